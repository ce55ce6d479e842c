#pragma once

#include <QDialog>

// Asks how the user wants to give feedback: by e-mail, or as an issue on the
// project's public repository.
class FeedbackDialog : public QDialog
{
    Q_OBJECT
public:
    // exec() gives this when the user chose to write an issue.
    enum { IssueChosen = 2 };

    explicit FeedbackDialog(QWidget *parent = nullptr);
};
