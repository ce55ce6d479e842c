#pragma once

#include <QString>

#include <string>

// Turns the document between Markdown (the file and the Source Code Editor)
// and HTML (the Visual Editor's page). Stateless.
class DocumentConverter
{
public:
    QString markdownToHtml(const std::string &markdown) const;
};
