#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The contents of the "Find & Replace" dock: the two fields, the case box and
// the five buttons. What the buttons do is the main window's.
class FindPanel : public QWidget
{
    Q_OBJECT
public:
    explicit FindPanel(QWidget *parent = nullptr);

    QLineEdit *findEdit = nullptr;
    QLineEdit *replaceEdit = nullptr;
    QCheckBox *caseSensitiveBox = nullptr;
    QPushButton *findPreviousButton = nullptr;
    QPushButton *findNextButton = nullptr;
    QPushButton *replaceButton = nullptr;
    QPushButton *replaceAndFindButton = nullptr;
    QPushButton *replaceAllButton = nullptr;

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    QLabel *findLabel = nullptr;
    QLabel *replaceLabel = nullptr;
};
