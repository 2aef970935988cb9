#include "tests/support/panel_harness.h"

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
    QObject* o = find<QObject>(name);
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

void PanelHost::type(const char* fieldName, const QString& text)
{
    QLineEdit* f = field(fieldName);
    f->clear();
    QTest::keyClicks(f, text);
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
