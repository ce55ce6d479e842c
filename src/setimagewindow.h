#pragma once

#include <QWidget>

class QLineEdit;

// The "Set Image" window: asks for a local image path or a web address and
// hands an accepted one on through `accepted`, then closes.
class SetImageWindow : public QWidget
{
    Q_OBJECT
public:
    // `startFolder`: where choosing a file starts, the document's folder.
    explicit SetImageWindow(QWidget *mainWindow, const QString &startFolder = QString());

signals:
    void accepted(const QString &link);

private:
    void chooseFile();
    void acceptLink();

    QLineEdit *edit = nullptr;
    QString startFolder;
};
