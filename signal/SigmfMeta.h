#pragma once

#include "SampleFormat.h"
#include "SignalAnnotation.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QVector>

// The metadata of a SigMF recording (the JSON of a .sigmf-meta): the global
// object's core fields, the capture segments and the annotations. Reading checks
// every field it uses and names the one that is wrong; writing gives the JSON text.
class SigmfMeta
{
public:
    static constexpr const char *kVersion = "1.2.0";

    struct Capture
    {
        qint64 start = 0;          // core:sample_start, in samples of the dataset
        bool hasFrequency = false;
        double frequency = 0.0;    // core:frequency, Hz
        QString datetime;          // core:datetime, ISO 8601
        qint64 headerBytes = 0;    // core:header_bytes before this segment's samples
    };

    SampleFormat format;
    QString version;
    double sampleRate = 0.0;  // 0: the metadata gives none
    int channels = 1;
    qint64 offset = 0;        // core:offset, the index of the dataset's first sample
    qint64 trailingBytes = 0;
    QString sha512;
    QString dataset;          // core:dataset, a data file of another name
    QString description;
    QString author;
    QString recorder;
    bool isMetadataOnly = false;
    QVector<Capture> captures;
    // Starts as written in the file (absolute sample indexes, see datasetIndex).
    SignalAnnotations annotations;

    // False with the reason in error (naming the field) when the text cannot be used;
    // what was odd but usable goes to warnings.
    bool parse(const QByteArray &json, QString &error, QStringList &warnings);
    QByteArray toJson() const;

    // Index in the dataset of a sample index of the metadata. SigMF indexes count
    // from core:offset; a file whose first capture starts below its offset counts
    // from 0, as some tools write them.
    qint64 datasetIndex(qint64 metadataIndex) const;

private:
    bool parseCaptures(const QJsonObject &root, QString &error);
    bool parseAnnotations(const QJsonObject &root, QString &error);
};
