#include "tests/support/comma_locale.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <clocale>
#include <cstring>

namespace testlocale {

namespace {

bool isCLocale(const QByteArray& name)
{
    return name.isEmpty() || name == "C" || name == "POSIX" || name.startsWith("C.");
}

// Compiled locales, kept until the test program ends.
QTemporaryDir& compiledLocales()
{
    static QTemporaryDir folder;
    return folder;
}

// Compiles "de_DE.UTF-8" from the system's locale sources "de_DE" and "UTF-8".
QString compile(const QByteArray& name)
{
    const QString text = QString::fromLatin1(name);
    const qsizetype dot = name.indexOf('.');
    if (dot <= 0)
        return QStringLiteral("the locale name %1 does not say its character set").arg(text);
    const QTemporaryDir& folder = compiledLocales();
    if (!folder.isValid())
        return QStringLiteral("no temporary folder to compile the locale into: %1").arg(folder.errorString());
    const QString target = folder.filePath(text);
    if (QFileInfo::exists(target + QStringLiteral("/LC_NUMERIC")))
        return QString();

    QProcess localedef;
    localedef.setProcessChannelMode(QProcess::MergedChannels);
    localedef.start(QStringLiteral("localedef"),
                    {QStringLiteral("-i"), text.left(dot), QStringLiteral("-f"), text.mid(dot + 1), target});
    if (!localedef.waitForStarted())
        return QStringLiteral("localedef cannot be run (%1); install the Debian package \"locales\" "
                              "(tools/setup-debian.sh)")
            .arg(localedef.errorString());
    localedef.waitForFinished(120000);
    // Exit status 1 means warnings only; the locale is still written.
    if (localedef.exitStatus() != QProcess::NormalExit || localedef.exitCode() > 1 ||
        !QFileInfo::exists(target + QStringLiteral("/LC_NUMERIC")))
        return QStringLiteral("localedef could not compile %1 (exit code %2): %3")
            .arg(text)
            .arg(localedef.exitCode())
            .arg(QString::fromLocal8Bit(localedef.readAll()).trimmed());
    return QString();
}

} // namespace

QString useLocaleOfEnvironment()
{
    const QByteArray wanted = qgetenv("LC_ALL");
    if (isCLocale(wanted) || std::setlocale(LC_ALL, ""))
        return QString();
    const QString failure = compile(wanted);
    if (!failure.isEmpty())
        return QStringLiteral("cannot get the locale %1 for this test: %2")
            .arg(QString::fromLatin1(wanted), failure);
    qputenv("LOCPATH", compiledLocales().path().toLocal8Bit());
    if (!std::setlocale(LC_ALL, ""))
        return QStringLiteral("the C library cannot load the locale %1 compiled into %2")
            .arg(QString::fromLatin1(wanted), compiledLocales().path());
    return QString();
}

CommaLocale::CommaLocale()
{
    m_hadLcAll = qEnvironmentVariableIsSet("LC_ALL");
    m_oldLcAll = qgetenv("LC_ALL");
    m_oldCLocale = std::setlocale(LC_ALL, nullptr);
    qputenv("LC_ALL", kCommaLocale);
    m_failure = useLocaleOfEnvironment();
    if (m_failure.isEmpty() && std::strcmp(std::localeconv()->decimal_point, ",") != 0)
        m_failure = QStringLiteral("the locale %1 is in force but its decimal separator is \"%2\", not \",\"")
                        .arg(QString::fromLatin1(kCommaLocale),
                             QString::fromLatin1(std::localeconv()->decimal_point));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

CommaLocale::~CommaLocale()
{
    if (m_hadLcAll)
        qputenv("LC_ALL", m_oldLcAll);
    else
        qunsetenv("LC_ALL");
    std::setlocale(LC_ALL, m_oldCLocale.constData());
    QLocale::setDefault(m_oldDefault);
}

} // namespace testlocale
