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

struct Caption
{
    int type;
    const char *text;
};

const Caption kCaptions[] = {
    {FilterNyquist, QT_TRANSLATE_NOOP("FilterChain", "Nyquist")},
    {FilterRootNyquist, QT_TRANSLATE_NOOP("FilterChain", "R.Nyquist")},
    {FilterGauss, QT_TRANSLATE_NOOP("FilterChain", "Gaussian")},
    {FilterRectangle, QT_TRANSLATE_NOOP("FilterChain", "Rectangle")},
    {FilterLowpass, QT_TRANSLATE_NOOP("FilterChain", "Lowpass")},
    {FilterUser, QT_TRANSLATE_NOOP("FilterChain", "UserFilter")},
};

} // namespace

int filterType(const QString &name)
{
    const QString lower = name.toLower();
    // A caption leads back to its filter in English and in the interface language,
    // so names saved under one language still work under the other.
    for (const Caption &caption : kCaptions) {
        if (lower == QString::fromLatin1(caption.text).toLower() || equalsTranslated(lower, caption.text))
            return caption.type;
    }
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
    for (const Caption &caption : kCaptions) {
        if (caption.type == type)
            return translated(caption.text);
    }
    return translated(QT_TRANSLATE_NOOP("FilterChain", "NotFilter"));
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
