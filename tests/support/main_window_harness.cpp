#include "tests/support/main_window_harness.h"

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
    QObject* o = m_window->findChild<QObject*>(QString::fromLatin1(name));
    if (!o)
        qFatal("no widget named %s", name);
    if (auto* e = qobject_cast<QLineEdit*>(o))
        return e->text();
    if (auto* l = qobject_cast<QLabel*>(o))
        return l->text();
    if (auto* c = qobject_cast<QComboBox*>(o))
        return c->currentText();
    if (auto* b = qobject_cast<QAbstractButton*>(o))
        return b->text();
    qFatal("widget %s has no text", name);
}

void MainWindowHarness::type(const char* fieldName, const QString& text)
{
    QLineEdit* f = field(fieldName);
    f->clear();
    QTest::keyClicks(f, text);
}

void MainWindowHarness::click(const char* buttonName)
{
    QTest::mouseClick(find<QAbstractButton>(buttonName), Qt::LeftButton);
}
