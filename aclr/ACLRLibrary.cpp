#include "ACLRLibrary.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {
const QString kFilterType = QStringLiteral("Square");
}  // namespace

void ACLRLibrary::setDefaultFolder(const QString &folder)
{
    LibraryLoader::setLibraryFolder(folder);
}

ACLRLibrary::ACLRLibrary() : m_library(QStringLiteral("aclr_core"), LibraryLoader::ProgramFolder)
{
    std::memset(static_cast<void *>(m_carriers), 0, sizeof(m_carriers));
    std::memset(static_cast<void *>(m_table), 0, sizeof(m_table));
    m_output.data = static_cast<double *>(std::calloc(kACLROutputCapacity, sizeof(double)));
    m_output.size = static_cast<int32_t *>(std::calloc(1, sizeof(int32_t)));
    m_output.allocatedSize = kACLROutputCapacity;
    m_output.numDimensions = 1;
    m_output.canFreeData = false;
    if (!m_library.load({QStringLiteral("ACLRMeasurement")})) {
        m_error = QCoreApplication::translate("ACLRLibrary", "The ACLR library aclr_core cannot be loaded: %1")
                      .arg(m_library.errorString());
        return;
    }
    m_measure = m_library.function<Measurement>("ACLRMeasurement");
}

ACLRLibrary::~ACLRLibrary()
{
    std::free(m_output.data);
    std::free(m_output.size);
}

bool ACLRLibrary::measure(const IQ *samples, int count, const ACLRParameterBlock &block)
{
    m_isMeasured = false;
    if (!m_measure)
        return false;
    if (m_i.empty()) {
        m_i.assign(size_t(kACLRMaxSamples), 0.0);
        m_q.assign(size_t(kACLRMaxSamples), 0.0);
    }
    const int n = std::clamp(count, 0, kACLRMaxSamples);
    for (int k = 0; k < n; ++k) {
        m_i[size_t(k)] = samples[k].real();
        m_q[size_t(k)] = samples[k].imag();
    }
    // The rest stays zero: only what the last call filled needs clearing.
    if (m_filled > n) {
        std::fill(m_i.begin() + n, m_i.begin() + m_filled, 0.0);
        std::fill(m_q.begin() + n, m_q.begin() + m_filled, 0.0);
    }
    m_filled = n;
    m_lastBlock = block;
    m_measure(m_i.data(), m_q.data(), block.sampleRate, block.modes, block.carrierBandwidth, block.carrierOffsets,
              block.bandwidthCodes, block.spacings, block.channels, m_carriers, m_table, &m_status, &m_output);
    m_isMeasured = true;
    return true;
}

ACLRResults ACLRLibrary::results() const
{
    ACLRResults results;
    if (!m_isMeasured)
        return results;
    results.isMeasured = true;
    results.status = m_status;
    for (const ACLRChannelRecord &record : m_table) {
        if (!record.valid)
            continue;
        ACLRChannelRow row;
        row.name = QString::fromLatin1(record.name, int(strnlen(record.name, sizeof(record.name))));
        row.offset = int(record.offset);
        row.bandwidth = int(record.bandwidth);
        row.filterType = kFilterType;
        row.reference = record.reference == 1 ? QStringLiteral("CC1") : QStringLiteral("CC2");
        row.dbc = record.dbc;
        row.dbm = record.dbm;
        results.rows.append(row);
    }
    const int size = std::clamp(m_output.size ? *m_output.size : 0, 0, m_output.allocatedSize);
    results.trace = QVector<double>(m_output.data, m_output.data + size);
    if (results.rows.isEmpty() && results.trace.isEmpty())
        return results;
    const int carriers = m_lastBlock.modes[1] == ACLRSingleCarrier ? 1 : 2;
    for (int c = 0; c < carriers; ++c) {
        const ACLRCarrierRecord &record = m_carriers[c];
        const int bandwidth = int(record.bandwidth);
        results.bands.append({QStringLiteral("CC%1").arg(c + 1), true, record.centre - bandwidth / 2.0, double(bandwidth),
                              record.level});
    }
    for (int r = 0, row = 0; r < kACLRChannelRecords; ++r) {
        const ACLRChannelRecord &record = m_table[r];
        if (!record.valid)
            continue;
        const double centre = m_carriers[record.reference == 1 ? 0 : 1].centre + record.offset;
        results.bands.append({results.rows.at(row).name, false, centre - record.bandwidth / 2, record.bandwidth, record.dbc});
        ++row;
    }
    return results;
}
