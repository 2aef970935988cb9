#include "tests/support/panel_harness.h"

#include "tests/support/widget_driving.h"

PanelHost::PanelHost()
{
    m_oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
    m_host = std::make_unique<QWidget>();
    m_host->setObjectName(QStringLiteral("PanelHost"));
    m_host->setFixedSize(650, 400);
    // The face the main window gives its panels.
    QFont face(QStringLiteral("Liberation Sans"));
    face.setStyleHint(QFont::SansSerif);
    face.setPixelSize(12);
    m_host->setFont(face);
}

PanelHost::~PanelHost()
{
    m_host.reset();
    qputenv("XDG_CONFIG_HOME", m_oldConfig);
}

QString PanelHost::text(const char* name) const
{
    return drive::textOf(m_host->findChild<QObject*>(QString::fromLatin1(name)), name);
}

void PanelHost::type(const char* fieldName, const QString& text)
{
    drive::typeInto(field(fieldName), text);
}

void PanelHost::click(const char* buttonName)
{
    QTest::mouseClick(find<QAbstractButton>(buttonName), Qt::LeftButton);
}

bool PanelHost::show()
{
    m_host->show();
    return QTest::qWaitForWindowExposed(m_host.get());
}
