#pragma once

#include <QAtomicInt>
#include <QMutex>
#include <QString>

#include <complex>
#include <map>
#include <memory>
#include <vector>

#include <fftw3.h>  // types only: the library itself is loaded at run time

#include "LibraryLoader.h"

// FFTW 3 (double precision), loaded at run time by its bare name through the system's
// library path (never from the working directory). The three exports are resolved
// once per object; a library without them is refused and nothing is ever called.
//
// FFTW's planner is not thread-safe, executing a plan is. Plans are made (and
// destroyed) under one mutex and kept in a pool by size, each with its own
// buffers, so repeated spectra of the same size never plan again and two
// threads never execute on the same buffers.
class FftwLibrary
{
public:
    // A forward complex DFT of one size with its input and output arrays.
    struct Plan
    {
        int size = 0;
        fftw_plan plan = nullptr;
        std::vector<std::complex<double>> in;
        std::vector<std::complex<double>> out;
    };

    // Holds a plan for one transform and hands it back to the pool at the end.
    class Lease
    {
    public:
        Lease() = default;
        Lease(FftwLibrary *owner, std::unique_ptr<Plan> plan) : m_owner(owner), m_plan(std::move(plan)) {}
        Lease(Lease &&) = default;
        Lease &operator=(Lease &&other);
        ~Lease();
        bool isValid() const { return m_plan != nullptr; }
        std::complex<double> *in() { return m_plan->in.data(); }
        const std::complex<double> *out() const { return m_plan->out.data(); }
        void execute();

    private:
        void giveBack();

        FftwLibrary *m_owner = nullptr;
        std::unique_ptr<Plan> m_plan;
    };

    // The process-wide library "fftw3", major version 3 (libfftw3.so.3).
    static FftwLibrary &instance();

    FftwLibrary(const QString &libraryName, int majorVersion);
    ~FftwLibrary();

    bool isAvailable() const { return m_plan1d && m_execute && m_destroy; }
    // Why isAvailable() is false; empty when it is true.
    QString errorString() const { return m_error; }
    // An invalid lease when the library is missing or the size is not positive.
    Lease acquire(int size);
    // How many plans the planner has made so far (each costs planning time).
    int plansMade() const { return m_plansMade.loadRelaxed(); }

private:
    using PlanDft1d = fftw_plan (*)(int, fftw_complex *, fftw_complex *, int, unsigned);
    using Execute = void (*)(const fftw_plan);
    using DestroyPlan = void (*)(fftw_plan);

    // How many idle plans are kept, per size and how many sizes.
    static constexpr int kMaxIdlePerSize = 4;
    static constexpr int kMaxSizes = 8;

    std::unique_ptr<Plan> makePlan(int size);
    void release(std::unique_ptr<Plan> plan);
    void evictOldestSize();

    LibraryLoader m_library;
    PlanDft1d m_plan1d = nullptr;
    Execute m_execute = nullptr;
    DestroyPlan m_destroy = nullptr;
    QString m_error;

    struct Idle
    {
        std::vector<std::unique_ptr<Plan>> plans;
        quint64 lastUse = 0;
    };
    QMutex m_plannerMutex;  // guards the FFTW planner and m_idle, m_useCounter
    std::map<int, Idle> m_idle;  // by transform size
    quint64 m_useCounter = 0;
    QAtomicInt m_plansMade;

    Q_DISABLE_COPY(FftwLibrary)
};
