#pragma once

// The About box: what the program is, its version, its licence and where its
// help is, beside the program's logo. OK, Enter or Esc closes it.

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

class TAboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutDialog(QWidget* parent = nullptr);
    ~TAboutDialog() override;

private:
    QPushButton* m_okButton = nullptr;
    QFrame* m_bevel = nullptr;
    QLabel* m_titleLabel = nullptr;
    QLabel* m_line2 = nullptr;
    QLabel* m_line3 = nullptr;
    QLabel* m_line4 = nullptr;
    QLabel* m_line5 = nullptr;
    QWidget* m_logo = nullptr;
    QLabel* m_helpNote = nullptr;
};

// The one About box, once it exists.
extern TAboutDialog* AboutDialog;
