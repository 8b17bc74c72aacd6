#pragma once

#include "FamilyCompositionForm.h"

#include <QList>
#include <QStringList>
#include <QWidget>

namespace pwo {

class Recordset;

// The household members of the intake sheet: a grid with a header row and one
// row a member below it, edited through two floating editors laid over the
// cell being edited.
class FamilyCompositionTab : public QWidget {
    Q_OBJECT
public:
    explicit FamilyCompositionTab(QWidget *parent = nullptr);

    // Clears the grid to its headers and one empty member row.
    void SetupFamilyGrid();
    // The incomes of column 7 summed into txtTotFamIncome; an empty cell counts 0.
    void Compute_Total();
    // Shows a family that came back from the server (at least one row).
    void showStoredFamily(Recordset &rows);
    // False, after telling the worker which row, when a member row is
    // incomplete or its income is not a number; nothing may be saved then.
    bool checkRowsBeforeSave();
    // Replaces the stored family with the grid's members.
    void Save_FamilyComposition(const QString &hospitalNoText, const QString &copiedHospNum);
    // View mode (false) or Edit (true).
    void setEditable(bool editable);

    QTableWidget *FCFlexGrid() const { return ui.FCFlexGrid; }
    QLineEdit *txtTotFamIncome() const { return ui.txtTotFamIncome; }
    QPushButton *cmdAdd() const { return ui.cmdAdd; }

    // Grid rows counted as the members are: row 1 is the first member.
    int memberRowCount() const;
    QString cellText(int memberRow, int column) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<QStringList> memberRows() const;
    void writeCurrentCell(const QString &text);
    // Lays the cell's editor over it and gives it the focus; the cell keeps its text.
    void openEditor(int row, int column);
    void hideEditors();
    void putAway(QWidget *editor);
    bool txtFlxg_KeyDown(int key);
    void finishIncome(int row);
    bool cmbFlx_KeyPress(int key);
    bool FCFlexGrid_KeyPress(int key);

    FamilyCompositionForm ui;
};

} // namespace pwo
