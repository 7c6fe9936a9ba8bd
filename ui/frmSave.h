// The reading report window: the three readings composed as one rich-text document, which
// the user may add a note to, then save as an RTF file or print. Web addresses in the
// document are links while the window is open; the three labels open the web site.
#pragma once

#include "ReportFields.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTextEdit;

namespace seraphel {

class Platform;

class frmSave final : public QDialog {
    Q_OBJECT

public:
    frmSave(Platform& platform, const ReportFields& fields, QWidget* parent = nullptr);
    ~frmSave() override;

    frmSave(const frmSave&) = delete;
    frmSave& operator=(const frmSave&) = delete;

    void cmdSave_Click();
    void cmdPrint_Click();
    void Label1_Click();
    void Label14_Click();
    void Label10_Click();

    // However the window closes (its buttons, the close box, Escape), it unloads here.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    QLabel* addLink(const char* name, const QString& text, const QRect& geometry, void (frmSave::*handler)());
    QPushButton* addButton(const char* name, const QString& caption, const QFont& font, const QRect& geometry,
                           void (frmSave::*handler)());
    void Form_Load(const ReportFields& fields);
    void Form_Unload();

    Platform& m_platform;
    QLabel* Label14 = nullptr;
    QLabel* Label1 = nullptr;
    QTextEdit* RTB = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdPrint = nullptr;
    QLabel* Label10 = nullptr;
    bool m_linksInstalled = false;
};

} // namespace seraphel
