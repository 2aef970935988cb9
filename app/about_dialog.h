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
    QPushButton* OKBtn = nullptr;
    QFrame* Bevel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QWidget* Image1 = nullptr;
    QLabel* Label6 = nullptr;
};

// The one About box, once it exists.
extern TAboutDialog* AboutDialog;
