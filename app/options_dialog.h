#pragma once

// The Options dialog: the two options of the topic tree, and whether number
// fields read unit prefixes.
//
// The check boxes are a copy of the main window's options, ticked by
// setOptionStates before the dialog is shown. However the dialog is closed
// (Close, the title-bar close box, Esc) it hands them back through
// optionsClosed(); the main window takes them over and applies the tree's
// auto-expansion at once. Nothing is written to the settings here.

#include <QDialog>

class QCheckBox;
class QPushButton;

class TOptionsDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr const char* kHelpPage = "Options.htm";

    explicit TOptionsDialog(QWidget* parent = nullptr);

    // Ticks the check boxes from the owner's options; from then on closing the
    // dialog hands them back and Help asks the owner for the help page.
    void setOptionStates(bool expandCategoryListWhenLaunched, bool autoExpandCategoryList,
                         bool readUnitPrefixes = true);
    bool expandCategoryListWhenLaunched() const;
    bool autoExpandCategoryList() const;
    bool readUnitPrefixes() const;

    void closeDialog();
    void showHelp();

    void done(int result) override;

signals:
    void optionsClosed();
    void helpRequested(const QString& page);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QCheckBox* m_expandWhenLaunched = nullptr;
    QCheckBox* m_autoExpand = nullptr;
    QCheckBox* m_readUnitPrefixes = nullptr;
    QPushButton* m_close = nullptr;
    QPushButton* m_help = nullptr;
    bool m_ownerSet = false;
};
