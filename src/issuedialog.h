#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

// Collects a title and a description and opens the repository's new-issue
// page with both filled in. Nothing is sent from the program itself.
class IssueDialog : public QDialog
{
    Q_OBJECT
public:
    explicit IssueDialog(QWidget *parent = nullptr);

private:
    void submit();

    QLineEdit *titleEdit = nullptr;
    QPlainTextEdit *bodyEdit = nullptr;
};
