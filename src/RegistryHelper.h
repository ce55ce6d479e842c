#pragma once

#include <QString>

class QWidget;

// Makes Penwick the current user's program for .md files: the registry of
// classes on Windows, a desktop file and mimeapps.list elsewhere.
class RegistryHelper
{
public:
    static bool isDefaultMdHandler(const QString &appPath);
    static bool setDefaultMdHandler(const QString &appPath);
    static bool deleteDefaultMdHandler(const QString &appPath);
};

// The one-time question after the first start.
void promptFileAssociation(QWidget *parent);
