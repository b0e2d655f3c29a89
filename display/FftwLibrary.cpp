#include "FftwLibrary.h"

#include <QMutexLocker>
#include <QtGlobal>

namespace {
constexpr int kForward = FFTW_FORWARD;
// Estimated plans cost next to nothing to make, and measuring would overwrite
// the arrays and take seconds for large sizes.
constexpr unsigned kPlanFlags = FFTW_ESTIMATE;
}  // namespace

FftwLibrary &FftwLibrary::instance()
{
    static FftwLibrary library(QStringLiteral("fftw3"), 3);
    static const bool isReported = [] {
        // Said once per process: every spectrum and spectrogram stays empty.
        if (!library.isAvailable())
            qWarning("%s: spectra stay empty", qPrintable(library.errorString()));
        return true;
    }();
    Q_UNUSED(isReported)
    return library;
}

FftwLibrary::FftwLibrary(const QString &libraryName, int majorVersion)
    : m_library(libraryName, LibraryLoader::SystemPath, majorVersion)
{
    if (!m_library.load({QStringLiteral("fftw_plan_dft_1d"), QStringLiteral("fftw_execute"),
                         QStringLiteral("fftw_destroy_plan")})) {
        m_error = QStringLiteral("FFTW 3: %1").arg(m_library.errorString());
        return;
    }
    m_plan1d = m_library.function<PlanDft1d>("fftw_plan_dft_1d");
    m_execute = m_library.function<Execute>("fftw_execute");
    m_destroy = m_library.function<DestroyPlan>("fftw_destroy_plan");
}

FftwLibrary::~FftwLibrary()
{
    QMutexLocker lock(&m_plannerMutex);
    for (auto &entry : m_idle) {
        for (auto &plan : entry.second.plans)
            m_destroy(plan->plan);
    }
}

FftwLibrary::Lease FftwLibrary::acquire(int size)
{
    if (!isAvailable() || size <= 0)
        return Lease(this, nullptr);
    QMutexLocker lock(&m_plannerMutex);
    auto it = m_idle.find(size);
    if (it != m_idle.end() && !it->second.plans.empty()) {
        Idle &idle = it->second;
        std::unique_ptr<Plan> plan = std::move(idle.plans.back());
        idle.plans.pop_back();
        idle.lastUse = ++m_useCounter;
        return Lease(this, std::move(plan));
    }
    return Lease(this, makePlan(size));
}

std::unique_ptr<FftwLibrary::Plan> FftwLibrary::makePlan(int size)
{
    auto plan = std::make_unique<Plan>();
    plan->size = size;
    plan->in.resize(size_t(size));
    plan->out.resize(size_t(size));
    // std::complex<double> has the layout of fftw_complex (double[2]).
    plan->plan = m_plan1d(size, reinterpret_cast<fftw_complex *>(plan->in.data()),
                          reinterpret_cast<fftw_complex *>(plan->out.data()), kForward, kPlanFlags);
    if (!plan->plan)
        return nullptr;
    m_plansMade.ref();
    return plan;
}

void FftwLibrary::release(std::unique_ptr<Plan> plan)
{
    QMutexLocker lock(&m_plannerMutex);
    if (m_idle.count(plan->size) == 0 && int(m_idle.size()) >= kMaxSizes)
        evictOldestSize();
    Idle &idle = m_idle[plan->size];
    idle.lastUse = ++m_useCounter;
    if (int(idle.plans.size()) < kMaxIdlePerSize)
        idle.plans.push_back(std::move(plan));
    else
        m_destroy(plan->plan);
}

void FftwLibrary::evictOldestSize()
{
    auto oldest = m_idle.begin();
    for (auto it = m_idle.begin(); it != m_idle.end(); ++it) {
        if (it->second.lastUse < oldest->second.lastUse)
            oldest = it;
    }
    for (auto &plan : oldest->second.plans)
        m_destroy(plan->plan);
    m_idle.erase(oldest);
}

FftwLibrary::Lease &FftwLibrary::Lease::operator=(Lease &&other)
{
    if (this != &other) {
        giveBack();
        m_owner = other.m_owner;
        m_plan = std::move(other.m_plan);
    }
    return *this;
}

FftwLibrary::Lease::~Lease() { giveBack(); }

void FftwLibrary::Lease::giveBack()
{
    if (m_plan)
        m_owner->release(std::move(m_plan));
}

void FftwLibrary::Lease::execute() { m_owner->m_execute(m_plan->plan); }
