#pragma once

#include <QDialog>
#include <QList>

class MyPushButton;

namespace Ui {
class TableDialog;
}

// Picks a table size on a 10 x 6 grid: hovering shows the size, a click chooses it.
class TableDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr int gridRows = 10;
    static constexpr int gridColumns = 6;

    explicit TableDialog(QWidget *parent = nullptr);
    ~TableDialog() override;

    // 0-based; the cell clicked last.
    int chosenRow = 0;
    int chosenColumn = 0;

    MyPushButton *cell(int row, int column) const;

protected:
    void changeEvent(QEvent *event) override;

private:
    void highlightUpTo(int row, int column);

    Ui::TableDialog *ui;
    QList<MyPushButton *> cells;
};
