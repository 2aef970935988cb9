#include "tests/support/main_window_harness.h"

#include "tests/support/widget_driving.h"

#include "core/settings_store.h"

#include <QComboBox>
#include <QFile>

MainWindowHarness::MainWindowHarness(bool acceptDisclaimer)
{
    m_oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
    if (acceptDisclaimer) {
        auto key = settings::Key::openOrCreate(QString::fromLatin1(settings::kProgramKey));
        key->writeString(QStringLiteral("Accepted Disclaimer for Version 2.1.0.0"), QStringLiteral("yes"));
    }
}

MainWindowHarness::~MainWindowHarness()
{
    m_window.reset();
    qputenv("XDG_CONFIG_HOME", m_oldConfig);
}

TFormMainApplication& MainWindowHarness::open()
{
    m_window = std::make_unique<TFormMainApplication>();
    if (m_finishBuilding)
        m_window->finishBuilding();
    return *m_window;
}

QString MainWindowHarness::settingsFile() const
{
    return m_config.path() + QStringLiteral("/Tarvolen/Ohmbrook.reg");
}

QString MainWindowHarness::settingsText() const
{
    QFile f(settingsFile());
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}

QString MainWindowHarness::text(const char* name)
{
    return drive::textOf(m_window->findChild<QObject*>(QString::fromLatin1(name)), name);
}

void MainWindowHarness::type(const char* fieldName, const QString& text)
{
    drive::typeInto(field(fieldName), text);
}

void MainWindowHarness::click(const char* buttonName)
{
    QTest::mouseClick(find<QAbstractButton>(buttonName), Qt::LeftButton);
}
