// The services outside the program's own windows: what the windows may use (WindowServices)
// and what start-up uses besides (Platform). The program runs on QtPlatform; tests run on a
// recording fake, so no test shows a real modal dialog or opens a browser.
#pragma once

#include <QDate>
#include <QString>

class QDialog;
class QPrinter;
class QWidget;

namespace seraphel {

struct SaveFileRequest {
    QString title;         // dialog caption
    QString filter;        // the one filter offered, e.g. "Rich Text Format (*.rtf)"
    QString defaultSuffix; // appended to a name typed without extension
};

class WindowServices {
public:
    virtual ~WindowServices() = default;

    // Information icon, OK button, the program's title as caption.
    virtual void showInformation(QWidget* parent, const QString& text) = 0;

    // Hands a web address to the default browser and returns at once; failures are not reported.
    virtual void openWebAddress(const QString& address) = 0;

    // Shows one of the program's own windows modally and returns when it is closed.
    virtual void runModal(QDialog& dialog) = 0;

    // The chosen path, or an empty string when the user cancelled. The dialog asks before
    // overwriting, takes no name in a folder that does not exist and offers no read-only option.
    virtual QString chooseSaveFile(QWidget* parent, const SaveFileRequest& request) = 0;
    // Lets the user pick and set up the printer; false when cancelled. The selection option
    // is offered and preselected when selectionOffered; no page-range option is offered.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer, bool selectionOffered) = 0;
};

class Platform : public WindowServices {
public:
    // Yes and No buttons with the information icon; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& text) = 0;

    // The per-user settings store: a missing value reads as an empty string; failures are not reported.
    virtual QString readSetting(const QString& section, const QString& name) = 0;
    virtual void writeSetting(const QString& section, const QString& name, const QString& value) = 0;

    // True when no other instance of the program runs for this user; the first caller keeps
    // the claim until the process ends.
    virtual bool claimSingleInstance() = 0;

    virtual QDate today() = 0;
    virtual void seedRandomFromClock() = 0;
    // A number r with 0 <= r < 1.
    virtual double drawRandom() = 0;
};

} // namespace seraphel
