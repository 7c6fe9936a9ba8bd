// The look shared by the program's windows: colours, the Verdana text (with a free
// fallback where Verdana is absent) and the conversion of design twips to pixels.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

namespace seraphel::theme {

inline const QColor kWhite{255, 255, 255};
inline const QColor kBlack{0, 0, 0};

inline const QColor kWindowBackground{79, 71, 36}; // dark olive
inline const QColor kBandBackground{64, 64, 64};   // dark grey bands at top and bottom
inline const QColor kValueText{128, 255, 255};     // light cyan inputs and values
inline const QColor kCaptionText = kWhite;         // captions, headings, the report window's links
inline const QColor kIntroText{255, 255, 192};     // light yellow introduction
inline const QColor kInvitationText{0, 255, 255};  // cyan invitation to find
inline const QColor kHighlightText{255, 255, 0};   // yellow words laid into the invitation
// The promotional labels' blue, light enough to read on the dark-grey bands.
inline const QColor kPromotionText{110, 170, 255};
inline const QColor kButtonFace{212, 208, 200}; // grey buttons and tabs
inline const QColor kButtonText = kBlack;
// The report's runs carry dark red, green and blue: they need a light page whatever the desktop's colours.
inline const QColor kPageBackground = kWhite;
inline const QColor kPageText = kBlack;

inline constexpr qreal kWindowPointSize = 8;    // the main and the result window
inline constexpr qreal kDialogPointSize = 8.25; // the report window and the about box
inline constexpr qreal kLargePointSize = 9.75;  // the report's text and the about box's title

// 1 twip = 1/1440 inch = 1/15 pixel at 96 dpi; Qt scales logical pixels for denser screens.
constexpr int Twips(int twips) {
    return (twips + 7) / 15;
}
inline QRect TwipsRect(int left, int top, int width, int height) {
    return {Twips(left), Twips(top), Twips(width), Twips(height)};
}

// Verdana at the given point size, falling back to DejaVu Sans and then the system's sans serif.
QFont VerdanaFont(qreal pointSize, bool bold = false);
// The report window's Save button is in MS Sans Serif, with the same fallbacks.
QFont MsSansSerifFont(qreal pointSize, bool bold = false);

} // namespace seraphel::theme
