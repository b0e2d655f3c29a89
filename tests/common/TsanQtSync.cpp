// Linked into the test programs of the ThreadSanitizer build only. The distribution's
// Qt is not instrumented, so ThreadSanitizer sees neither QMutex (a futex behind an
// atomic inside libQt5Core) nor the hand-over of a queued signal or invokeMethod call
// (a list guarded by such a mutex). Without them every value guarded by a QMutex, and
// every argument of a queued call, looks raced. These definitions take the place of
// Qt's own for calls from the program (the dynamic linker finds them first), call
// Qt's, and tell ThreadSanitizer about the ordering Qt guarantees:
// - a QMutex: unlock releases, lock acquires (on the mutex's address);
// - a signal emitted or a call queued, and an event handled, release one process-wide
//   token before and acquire it after: whatever a thread wrote before it emitted is
//   seen by the receiver of a later event, and a blocking call's caller sees what the
//   receiver did (what Qt's event queue guarantees for the event that carries a call).
// Qt's own allocations and waits (the posted event, a thread's wait condition) are
// left to ignore_noninstrumented_modules (scripts/sanitize.sh).
#include <QEvent>
#include <QMutex>
#include <QObject>
#include <QThread>
#include <QWidget>

#include <cstring>
#include <dlfcn.h>

extern "C" void __tsan_acquire(void *address);
extern "C" void __tsan_release(void *address);

namespace {
char g_eventToken;

template <typename Function>
Function qtOwn(const char *symbol)
{
    static_assert(sizeof(Function) == sizeof(void *), "a plain function pointer");
    void *address = dlsym(RTLD_NEXT, symbol);
    if (!address)
        qFatal("TsanQtSync: %s not found in Qt", symbol);
    Function function;
    memcpy(&function, &address, sizeof(address));
    return function;
}
}  // namespace

void QMutex::lock() QT_MUTEX_LOCK_NOEXCEPT
{
    static const auto own = qtOwn<void (*)(QMutex *)>("_ZN6QMutex4lockEv");
    own(this);
    __tsan_acquire(this);
}

bool QMutex::tryLock(int timeout) QT_MUTEX_LOCK_NOEXCEPT
{
    static const auto own = qtOwn<bool (*)(QMutex *, int)>("_ZN6QMutex7tryLockEi");
    const bool isLocked = own(this, timeout);
    if (isLocked)
        __tsan_acquire(this);
    return isLocked;
}

void QMutex::unlock() noexcept
{
    static const auto own = qtOwn<void (*)(QMutex *)>("_ZN6QMutex6unlockEv");
    __tsan_release(this);
    own(this);
}

void QMetaObject::activate(QObject *sender, const QMetaObject *meta, int localSignalIndex, void **argv)
{
    static const auto own = qtOwn<void (*)(QObject *, const QMetaObject *, int, void **)>(
        "_ZN11QMetaObject8activateEP7QObjectPKS_iPPv");
    __tsan_release(&g_eventToken);
    own(sender, meta, localSignalIndex, argv);
    __tsan_acquire(&g_eventToken);
}

bool QMetaObject::invokeMethodImpl(QObject *object, QtPrivate::QSlotObjectBase *slot, Qt::ConnectionType type,
                                   void *ret)
{
    static const auto own = qtOwn<bool (*)(QObject *, QtPrivate::QSlotObjectBase *, Qt::ConnectionType, void *)>(
        "_ZN11QMetaObject16invokeMethodImplEP7QObjectPN9QtPrivate15QSlotObjectBaseEN2Qt14ConnectionTypeEPv");
    __tsan_release(&g_eventToken);
    const bool isInvoked = own(object, slot, type, ret);
    __tsan_acquire(&g_eventToken);
    return isInvoked;
}

bool QObject::event(QEvent *event)
{
    static const auto own = qtOwn<bool (*)(QObject *, QEvent *)>("_ZN7QObject5eventEP6QEvent");
    __tsan_acquire(&g_eventToken);
    const bool isHandled = own(this, event);
    __tsan_release(&g_eventToken);
    return isHandled;
}

bool QThread::event(QEvent *event)
{
    static const auto own = qtOwn<bool (*)(QThread *, QEvent *)>("_ZN7QThread5eventEP6QEvent");
    __tsan_acquire(&g_eventToken);
    const bool isHandled = own(this, event);
    __tsan_release(&g_eventToken);
    return isHandled;
}

bool QWidget::event(QEvent *event)
{
    static const auto own = qtOwn<bool (*)(QWidget *, QEvent *)>("_ZN7QWidget5eventEP6QEvent");
    __tsan_acquire(&g_eventToken);
    const bool isHandled = own(this, event);
    __tsan_release(&g_eventToken);
    return isHandled;
}
