#pragma once

#include <QCoreApplication>
#include <QString>
#include <QVector>

// The text and CSV files of user IQ tables, FSK tables and user filters: one row of
// numbers per line, written with four decimals in UTF-8.
//
// Writing: a path containing ".csv" gets comma-separated fields and lines ending in
// ",\r\n" (a trailing comma, as spreadsheet exports of this kind have); any other path
// gets blank-separated fields and lines ending in "\r\n". The file is replaced whole
// or not at all.
//
// Reading: each line is split at every blank or comma, keeping empty parts, so a
// CSV line's trailing comma yields one empty last part. The first `fields` parts are
// the row's values; parts after them are ignored. Blank lines are skipped. A value
// that is missing or empty reads as 0, so a one-field line of a two-value table puts
// its point on the I axis (Q = 0); the first value must be present. A part that is
// not a number makes the whole file malformed and nothing is returned.
class UserTableFile
{
    Q_DECLARE_TR_FUNCTIONS(UserTableFile)

public:
    using Rows = QVector<QVector<double>>;

    // False with a message in *error when the file cannot be written.
    static bool write(const QString &path, const Rows &rows, QString *error);
    // False with a message in *error when the file cannot be read, holds no rows or
    // has a line that is not made of numbers; *rows is left alone then.
    static bool read(const QString &path, int fields, Rows *rows, QString *error);

private:
    static bool parseLine(const QString &line, int fields, QVector<double> *values, QString *badPart);
};
