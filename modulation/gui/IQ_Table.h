#pragma once

#include <QPointer>
#include <QStringList>
#include <QVector>
#include <QWidget>

class QTableWidget;
class QToolButton;
class tableDelegate;

// Editor of a user constellation: one row per symbol, column 0 the symbol number,
// column 1 the I value and column 2 the Q value. Its rows (I, Q) are the point table
// of the QAM User scheme. Starts with QAM User's built-in eight points.
//
// Cells are edited through a tableDelegate placed in the cell when it is clicked;
// a value that is not a number leaves the cell as it was. The table can be saved to
// and loaded from text or CSV files (UserTableFile); a line with a single value
// gives a point on the I axis (Q = 0).
class IQ_Table : public QWidget
{
    Q_OBJECT
public:
    using Rows = QVector<QVector<double>>;

    explicit IQ_Table(QWidget *parent = nullptr);

    // Replace the rows from a file; false, with errorString() set and the table
    // unchanged, when the file cannot be read or is malformed.
    virtual bool loadFile(const QString &path);
    // False, with errorString() set, when the file cannot be written.
    virtual bool saveFile(const QString &path);
    // The rows as the widget holds them.
    virtual Rows readTable() const;
    // Replaces the rows; takes rows shaped as readTable() returns them.
    virtual void setTable(const Rows &rows);

    QString errorString() const { return m_error; }
    QTableWidget *tableWidget() const { return m_table; }
    int rowCount() const;
    bool isEditing() const { return !m_editor.isNull(); }

    using QWidget::show;

public slots:
    // Dialog front-ends of loadFile() and saveFile(); a failure is shown in a message box.
    void openData();
    void saveData();
    // Opens the cell editor on an editable cell.
    void show(int row, int column);
    // Text from the on-screen keyboard: goes into the open editor, or else into the current cell.
    void currentItemEdit(const QString &text);
    void addRow();
    void removeRow();
    void setExpanded(bool expanded);

signals:
    void signalExpand(bool expanded);
    void tableChanged();
    void openingKeyBoard();
    void textEdit(const QString &text);

protected:
    IQ_Table(const QStringList &headers, QWidget *parent);

    virtual bool isEditableColumn(int column) const;
    // Called after the user changed a value, so that derived columns can follow.
    virtual void valueEdited(int row, int column);

    void resizeRows(int rows);
    void setValue(int row, int column, double value);
    double value(int row, int column) const;
    bool readRows(const QString &path, int fields, Rows *rows);
    bool writeRows(const QString &path, const Rows &rows);

private:
    void buildLayout(const QStringList &headers);
    void setNumber(int row);
    void commitEditor();
    void closeEditor();

    QTableWidget *m_table = nullptr;
    QWidget *m_body = nullptr;
    QToolButton *m_expandButton = nullptr;
    QPointer<tableDelegate> m_editor;
    int m_editRow = -1;
    int m_editColumn = -1;
    QString m_error;
};
