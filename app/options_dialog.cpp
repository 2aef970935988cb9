#include "app/options_dialog.h"

#include "artwork/artwork.h"
#include "ui/form_builder.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>

namespace {

QCheckBox* checkBox(QWidget* parent, const char* name, int x, int y, const QString& caption)
{
    auto* c = new QCheckBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setText(caption);
    c->move(x, y);
    c->adjustSize();
    return c;
}

} // namespace

TOptionsDialog::TOptionsDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("OptionsDialog"));
    setWindowTitle(QStringLiteral("Options"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_WindowPropagation);
    setFixedSize(335, 214);

    QGroupBox* application =
        form::group(this, "GroupApplicationOptions", 16, 24, 305, 177, QStringLiteral("Application Options"));
    QGroupBox* tree = form::group(application, "GroupCategoryList", 32, 32, 241, 81,
                                  QStringLiteral(" Category List Configurations "));
    m_expandWhenLaunched = checkBox(tree, "OptionExpandCategoryListWhenLaunched", 16, 24,
                                    QStringLiteral("&Fully expand category list on startup"));
    m_autoExpand =
        checkBox(tree, "OptionAutoExpandCategoryList", 16, 48, QStringLiteral("&Auto expand category list"));
    m_readUnitPrefixes = checkBox(application, "CheckReadUnitPrefixes", 12, 114,
                                  QStringLiteral("Read unit prefixes in typed values (4k7, 100n)"));
    m_close = form::button(application, "BtnClose", 64, 136, 75, 25, QStringLiteral("Close"));
    m_help = form::button(application, "BtnHelp", 160, 136, 75, 25, QStringLiteral("Help"));
    m_help->setIcon(QIcon(artwork::helpGlyph()));

    connect(m_close, &QPushButton::clicked, this, &TOptionsDialog::closeDialog);
    connect(m_help, &QPushButton::clicked, this, &TOptionsDialog::showHelp);
}

void TOptionsDialog::setOptionStates(bool expandCategoryListWhenLaunched, bool autoExpandCategoryList,
                                     bool readUnitPrefixes)
{
    m_ownerSet = true;
    m_expandWhenLaunched->setChecked(expandCategoryListWhenLaunched);
    m_autoExpand->setChecked(autoExpandCategoryList);
    m_readUnitPrefixes->setChecked(readUnitPrefixes);
}

bool TOptionsDialog::readUnitPrefixes() const
{
    return m_readUnitPrefixes->isChecked();
}

bool TOptionsDialog::expandCategoryListWhenLaunched() const
{
    return m_expandWhenLaunched->isChecked();
}

bool TOptionsDialog::autoExpandCategoryList() const
{
    return m_autoExpand->isChecked();
}

void TOptionsDialog::closeDialog()
{
    close();
}

void TOptionsDialog::showHelp()
{
    if (m_ownerSet)
        emit helpRequested(QString::fromLatin1(kHelpPage));
}

void TOptionsDialog::done(int result)
{
    // Every way of closing ends here: the Close button and the title-bar close
    // box through closeEvent() and reject(), Esc through reject().
    if (m_ownerSet)
        emit optionsClosed();
    QDialog::done(result);
}

void TOptionsDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        showHelp();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
