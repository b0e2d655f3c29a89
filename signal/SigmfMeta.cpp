#include "SigmfMeta.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cmath>

namespace {
QString tr(const char *text) { return QCoreApplication::translate("SigmfMeta", text); }

// Largest integer a JSON number (a double) holds exactly.
constexpr double kMaxExactInteger = 9007199254740992.0;

class FieldReader
{
public:
    FieldReader(const QJsonObject &object, const QString &where, QString &error)
        : m_object(object), m_where(where), m_error(error)
    {
    }

    bool has(const char *key) const { return m_object.contains(QLatin1String(key)); }

    // A whole number of at least minimum; fallback when absent and not required.
    bool integer(const char *key, qint64 &value, qint64 minimum, bool isRequired)
    {
        const QJsonValue field = m_object.value(QLatin1String(key));
        if (field.isUndefined()) {
            if (isRequired)
                return missing(key);
            return true;
        }
        const double number = field.toDouble(std::nan(""));
        if (!field.isDouble() || number != std::floor(number) || number < double(minimum) || number > kMaxExactInteger)
            return fail(key, QCoreApplication::translate("SigmfMeta", "is %1, not a whole number of at least %2.")
                                 .arg(show(field))
                                 .arg(minimum));
        value = qint64(number);
        return true;
    }

    bool number(const char *key, double &value, bool &isPresent)
    {
        const QJsonValue field = m_object.value(QLatin1String(key));
        isPresent = !field.isUndefined();
        if (!isPresent)
            return true;
        if (!field.isDouble() || !std::isfinite(field.toDouble()))
            return fail(key, QCoreApplication::translate("SigmfMeta", "is %1, not a number.").arg(show(field)));
        value = field.toDouble();
        return true;
    }

    bool text(const char *key, QString &value)
    {
        const QJsonValue field = m_object.value(QLatin1String(key));
        if (field.isUndefined())
            return true;
        if (!field.isString())
            return fail(key, QCoreApplication::translate("SigmfMeta", "is %1, not a text.").arg(show(field)));
        value = field.toString();
        return true;
    }

    QString name(const char *key) const { return m_where + QLatin1Char(' ') + QLatin1String(key); }

    // "<where> <key> " + what is wrong with it.
    bool fail(const char *key, const QString &problem)
    {
        m_error = name(key) + QLatin1Char(' ') + problem;
        return false;
    }

    bool missing(const char *key)
    {
        m_error = QCoreApplication::translate("SigmfMeta", "the required field %1 is missing.").arg(name(key));
        return false;
    }

private:
    static QString show(const QJsonValue &value)
    {
        if (value.isString())
            return QLatin1Char('"') + value.toString().left(40) + QLatin1Char('"');
        if (value.isDouble())
            return QString::number(value.toDouble(), 'g', 17);
        if (value.isBool())
            return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
        if (value.isNull())
            return QStringLiteral("null");
        return value.isArray() ? QCoreApplication::translate("SigmfMeta", "a list")
                               : QCoreApplication::translate("SigmfMeta", "an object");
    }

    const QJsonObject &m_object;
    QString m_where;
    QString &m_error;
};

QJsonObject withoutEmpty(QJsonObject object)
{
    for (auto it = object.begin(); it != object.end();) {
        if (it.value().isString() && it.value().toString().isEmpty())
            it = object.erase(it);
        else
            ++it;
    }
    return object;
}
}  // namespace

bool SigmfMeta::parse(const QByteArray &json, QString &error, QStringList &warnings)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        error = tr("the metadata is not valid JSON (%1 at byte %2).").arg(parseError.errorString()).arg(parseError.offset);
        return false;
    }
    if (!document.isObject()) {
        error = tr("the metadata is not a JSON object.");
        return false;
    }
    const QJsonObject root = document.object();
    const QJsonValue globalValue = root.value(QLatin1String("global"));
    if (!globalValue.isObject()) {
        error = globalValue.isUndefined() ? tr("the required object \"global\" is missing.")
                                          : tr("\"global\" is not a JSON object.");
        return false;
    }
    const QJsonObject global = globalValue.toObject();
    FieldReader g(global, QStringLiteral("global"), error);
    QString datatype;
    if (!g.has("core:datatype"))
        return g.missing("core:datatype");
    if (!g.text("core:datatype", datatype))
        return false;
    if (!SampleFormat::fromDatatype(datatype, format))
        return g.fail("core:datatype", tr("\"%1\" is not a datatype this program reads (complex cf64, cf32, ci32, "
                                          "ci16, ci8 or cu8, each _le or _be).").arg(datatype.left(40)));
    if (!g.text("core:version", version))
        return false;
    if (version.isEmpty())
        warnings << tr("the metadata has no %1; it is read as SigMF 1.x.").arg(g.name("core:version"));
    else if (!version.startsWith(QLatin1String("1.")))
        warnings << tr("%1 is \"%2\"; it is read as SigMF 1.x.").arg(g.name("core:version"), version);
    bool hasRate = false;
    if (!g.number("core:sample_rate", sampleRate, hasRate))
        return false;
    if (hasRate && !(sampleRate > 0.0))
        return g.fail("core:sample_rate", tr("is %1, not a positive rate.").arg(sampleRate));
    qint64 channelCount = 1;
    if (!g.integer("core:num_channels", channelCount, 1, false) || !g.integer("core:offset", offset, 0, false)
        || !g.integer("core:trailing_bytes", trailingBytes, 0, false))
        return false;
    if (channelCount > 255)
        return g.fail("core:num_channels", tr("is %1; at most 255 channels are read.").arg(channelCount));
    channels = int(channelCount);
    if (!g.text("core:sha512", sha512) || !g.text("core:dataset", dataset) || !g.text("core:description", description)
        || !g.text("core:author", author) || !g.text("core:recorder", recorder))
        return false;
    isMetadataOnly = global.value(QLatin1String("core:metadata_only")).toBool(false);
    return parseCaptures(root, error) && parseAnnotations(root, error);
}

bool SigmfMeta::parseCaptures(const QJsonObject &root, QString &error)
{
    captures.clear();
    const QJsonValue list = root.value(QLatin1String("captures"));
    if (!list.isUndefined() && !list.isArray()) {
        error = tr("\"captures\" is not a list.");
        return false;
    }
    const QJsonArray array = list.toArray();
    for (int i = 0; i < array.size(); ++i) {
        const QString where = QStringLiteral("captures[%1]").arg(i);
        if (!array.at(i).isObject()) {
            error = tr("%1 is not a JSON object.").arg(where);
            return false;
        }
        const QJsonObject object = array.at(i).toObject();
        FieldReader c(object, where, error);
        Capture capture;
        if (!c.integer("core:sample_start", capture.start, 0, true) || !c.number("core:frequency", capture.frequency, capture.hasFrequency)
            || !c.text("core:datetime", capture.datetime) || !c.integer("core:header_bytes", capture.headerBytes, 0, false))
            return false;
        captures.append(capture);
    }
    // Segments follow each other in the file in the order of their starts.
    std::stable_sort(captures.begin(), captures.end(),
                     [](const Capture &a, const Capture &b) { return a.start < b.start; });
    if (captures.isEmpty())
        captures.append(Capture{offset, false, 0.0, QString(), 0});
    return true;
}

bool SigmfMeta::parseAnnotations(const QJsonObject &root, QString &error)
{
    annotations.clear();
    const QJsonValue list = root.value(QLatin1String("annotations"));
    if (!list.isUndefined() && !list.isArray()) {
        error = tr("\"annotations\" is not a list.");
        return false;
    }
    const QJsonArray array = list.toArray();
    for (int i = 0; i < array.size(); ++i) {
        const QString where = QStringLiteral("annotations[%1]").arg(i);
        if (!array.at(i).isObject()) {
            error = tr("%1 is not a JSON object.").arg(where);
            return false;
        }
        const QJsonObject object = array.at(i).toObject();
        FieldReader a(object, where, error);
        SignalAnnotation annotation;
        annotation.count = -1;  // to the end of the recording
        bool hasLower = false, hasUpper = false;
        QString description;
        if (!a.integer("core:sample_start", annotation.start, 0, true)
            || !a.integer("core:sample_count", annotation.count, 0, false)
            || !a.number("core:freq_lower_edge", annotation.lowerEdge, hasLower)
            || !a.number("core:freq_upper_edge", annotation.upperEdge, hasUpper) || !a.text("core:label", annotation.label)
            || !a.text("core:comment", annotation.comment) || !a.text("core:description", description))
            return false;
        if (annotation.comment.isEmpty())
            annotation.comment = description;  // the name of SigMF 0.x
        annotation.hasFrequencies = hasLower && hasUpper;
        if (annotation.hasFrequencies && annotation.lowerEdge > annotation.upperEdge)
            std::swap(annotation.lowerEdge, annotation.upperEdge);
        annotations.append(annotation);
    }
    return true;
}

qint64 SigmfMeta::datasetIndex(qint64 metadataIndex) const
{
    const bool countsFromOffset = !captures.isEmpty() && captures.first().start >= offset;
    return countsFromOffset ? metadataIndex - offset : metadataIndex;
}

QByteArray SigmfMeta::toJson() const
{
    QJsonObject global{{QStringLiteral("core:datatype"), format.datatype()},
                       {QStringLiteral("core:version"), version.isEmpty() ? QLatin1String(kVersion) : version},
                       {QStringLiteral("core:sha512"), sha512},
                       {QStringLiteral("core:description"), description},
                       {QStringLiteral("core:author"), author},
                       {QStringLiteral("core:recorder"), recorder}};
    if (sampleRate > 0.0)
        global.insert(QStringLiteral("core:sample_rate"), sampleRate);
    if (channels > 1)
        global.insert(QStringLiteral("core:num_channels"), channels);
    QJsonArray captureList;
    for (const Capture &capture : captures) {
        QJsonObject object{{QStringLiteral("core:sample_start"), double(capture.start)},
                           {QStringLiteral("core:datetime"), capture.datetime}};
        if (capture.hasFrequency)
            object.insert(QStringLiteral("core:frequency"), capture.frequency);
        captureList.append(withoutEmpty(object));
    }
    QJsonArray annotationList;
    for (const SignalAnnotation &annotation : annotations) {
        QJsonObject object{{QStringLiteral("core:sample_start"), double(annotation.start)},
                           {QStringLiteral("core:label"), annotation.label},
                           {QStringLiteral("core:comment"), annotation.comment}};
        if (annotation.count >= 0)
            object.insert(QStringLiteral("core:sample_count"), double(annotation.count));
        if (annotation.hasFrequencies) {
            object.insert(QStringLiteral("core:freq_lower_edge"), annotation.lowerEdge);
            object.insert(QStringLiteral("core:freq_upper_edge"), annotation.upperEdge);
        }
        annotationList.append(withoutEmpty(object));
    }
    const QJsonObject root{{QStringLiteral("global"), withoutEmpty(global)},
                           {QStringLiteral("captures"), captureList},
                           {QStringLiteral("annotations"), annotationList}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
