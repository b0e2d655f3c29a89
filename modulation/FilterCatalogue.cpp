#include "FilterCatalogue.h"

#include "Gauss.h"
#include "Lowpass.h"
#include "Lowpass2.h"
#include "NotFilter.h"
#include "Nyquist.h"
#include "RectFiter.h"
#include "Sqr_Nyquist.h"
#include "User.h"

#include <QCoreApplication>

namespace {

const char *const kContext = "FilterChain";

QString translated(const char *text)
{
    return QCoreApplication::translate(kContext, text);
}

bool equalsTranslated(const QString &lowerName, const char *text)
{
    return lowerName == translated(text).toLower();
}

} // namespace

int filterType(const QString &name)
{
    const QString lower = name.toLower();
    if (equalsTranslated(lower, QT_TRANSLATE_NOOP("FilterChain", "none")))
        return FilterNone;
    if (lower.contains(QLatin1String("gauss")))
        return FilterGauss;
    if (lower.contains(QLatin1String("rect")))
        return FilterRectangle;
    if (lower.contains(QLatin1String("user")))
        return FilterUser;
    if (equalsTranslated(lower, QT_TRANSLATE_NOOP("FilterChain", "r.nyquist")))
        return FilterRootNyquist;
    if (equalsTranslated(lower, QT_TRANSLATE_NOOP("FilterChain", "nyquist")))
        return FilterNyquist;
    if (lower.contains(QLatin1String("lowpass")))
        return FilterLowpass;
    return FilterNone;
}

QString filterName(int type)
{
    switch (type) {
    case FilterNyquist: return translated(QT_TRANSLATE_NOOP("FilterChain", "Nyquist"));
    case FilterRootNyquist: return translated(QT_TRANSLATE_NOOP("FilterChain", "R.Nyquist"));
    case FilterGauss: return translated(QT_TRANSLATE_NOOP("FilterChain", "Gaussian"));
    case FilterRectangle: return translated(QT_TRANSLATE_NOOP("FilterChain", "Rectangle"));
    case FilterLowpass: return translated(QT_TRANSLATE_NOOP("FilterChain", "Lowpass"));
    case FilterUser: return translated(QT_TRANSLATE_NOOP("FilterChain", "UserFilter"));
    default: return translated(QT_TRANSLATE_NOOP("FilterChain", "NotFilter"));
    }
}

std::unique_ptr<Filtration> createFiltration(int type)
{
    switch (type) {
    case FilterNyquist: return std::make_unique<Nyquist>();
    case FilterRootNyquist: return std::make_unique<Sqr_Nyquist>();
    case FilterGauss: return std::make_unique<Gauss>();
    case FilterRectangle: return std::make_unique<RectFiter>();
    case FilterLowpass: return std::make_unique<Lowpass>();
    case FilterLowpass2: return std::make_unique<Lowpass2>();
    case FilterUser: return std::make_unique<User>();
    default: return std::make_unique<NotFilter>();
    }
}
