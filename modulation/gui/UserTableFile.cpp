#include "UserTableFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringList>
#include <QTextStream>

namespace {

constexpr int kDecimals = 4;

bool isCsv(const QString &path)
{
    return path.contains(QLatin1String(".csv"));
}

void setError(QString *error, const QString &message)
{
    if (error)
        *error = message;
}

} // namespace

bool UserTableFile::write(const QString &path, const Rows &rows, QString *error)
{
    const QString separator = isCsv(path) ? QStringLiteral(",") : QStringLiteral(" ");
    const QString lineEnd = isCsv(path) ? QStringLiteral(",\r\n") : QStringLiteral("\r\n");
    QString text;
    for (const QVector<double> &row : rows) {
        QStringList fields;
        for (double value : row)
            fields.append(QString::number(value, 'f', kDecimals));
        text += fields.join(separator) + lineEnd;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        setError(error, tr("Cannot write \"%1\": %2").arg(path, file.errorString()));
        return false;
    }
    file.write(text.toUtf8());
    if (!file.commit()) {
        setError(error, tr("Cannot write \"%1\": %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

bool UserTableFile::parseLine(const QString &line, int fields, QVector<double> *values, QString *badPart)
{
    static const QRegularExpression separators(QStringLiteral("[ ,]"));
    const QStringList parts = line.split(separators);
    values->fill(0.0, fields);
    for (int f = 0; f < fields && f < parts.size(); ++f) {
        const QString &part = parts.at(f);
        if (part.isEmpty() && f > 0)
            continue;
        bool ok = false;
        (*values)[f] = part.toDouble(&ok);
        if (!ok) {
            *badPart = part;
            return false;
        }
    }
    return true;
}

bool UserTableFile::read(const QString &path, int fields, Rows *rows, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, tr("Cannot open \"%1\": %2").arg(path, file.errorString()));
        return false;
    }
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    Rows parsed;
    for (int lineNumber = 1; !stream.atEnd(); ++lineNumber) {
        const QString line = stream.readLine();
        if (line.trimmed().isEmpty())
            continue;
        QVector<double> values;
        QString badPart;
        if (!parseLine(line, fields, &values, &badPart)) {
            setError(error, badPart.isEmpty()
                                ? tr("Line %1 of \"%2\" does not start with a number.").arg(lineNumber).arg(path)
                                : tr("Line %1 of \"%2\": \"%3\" is not a number.").arg(lineNumber).arg(path, badPart));
            return false;
        }
        parsed.append(values);
    }
    if (parsed.isEmpty()) {
        setError(error, tr("\"%1\" holds no values.").arg(path));
        return false;
    }
    *rows = parsed;
    return true;
}
