#pragma once

// A real "," locale for the tests. Naming a locale in LC_ALL is not enough:
// when the system has no compiled copy of it, the C library silently stays in
// "C" and printf keeps writing ".", so a test of the "," case would pass
// without testing anything. Here the locale is compiled with localedef into a
// temporary folder (once per test program), found through LOCPATH and
// selected through LC_ALL, and checked to be in force.

#include <QByteArray>
#include <QLocale>
#include <QString>

namespace testlocale {

// A locale whose decimal separator is ",".
inline constexpr char kCommaLocale[] = "de_DE.UTF-8";

// Puts the locale that LC_ALL names into force for the C library, compiling
// it first when the system has no copy. Does nothing when LC_ALL is unset or
// names the C locale. Returns why it failed, or an empty text.
QString useLocaleOfEnvironment();

// The comma locale for one scope: LC_ALL, the C library and QLocale's default
// all switch to it, and all three are put back on leaving the scope. A test
// checks failure() first:
//     testlocale::CommaLocale comma;
//     QVERIFY2(comma.failure().isEmpty(), qPrintable(comma.failure()));
class CommaLocale
{
public:
    CommaLocale();
    ~CommaLocale();
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;

    const QString& failure() const { return m_failure; }

private:
    QString m_failure;
    QByteArray m_oldLcAll;
    bool m_hadLcAll = false;
    QByteArray m_oldCLocale;
    QLocale m_oldDefault;
};

} // namespace testlocale
