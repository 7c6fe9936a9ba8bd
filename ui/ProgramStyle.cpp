#include "ProgramStyle.h"

#include <QIconEngine>
#include <QPointer>
#include <QStyleFactory>
#include <QStyleOption>

#include <optional>
#include <utility>

namespace seraphel {
namespace {

// A standard icon of a style, asked of the style when something first needs its pictures.
class DeferredStandardIcon final : public QIconEngine {
public:
    DeferredStandardIcon(const QStyle& style, QStyle::StandardPixmap which)
        : m_style(&style)
        , m_which(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new DeferredStandardIcon(*this); }

private:
    const QIcon& icon() {
        if (!m_icon) {
            // A style replaced since leaves no picture rather than a dangling one.
            m_icon = m_style ? m_style->standardIcon(m_which) : QIcon();
        }
        return *m_icon;
    }

    QPointer<const QStyle> m_style;
    QStyle::StandardPixmap m_which;
    std::optional<QIcon> m_icon;
};

// Lends an option the shared palette of its colours for one drawing call. Widgets build their
// options on their own stack and hand them to the style as const; each gets its palette back.
class SharedPaletteLoan final {
public:
    SharedPaletteLoan(SharedPalettes& palettes, const QStyleOption* option)
        : m_option(const_cast<QStyleOption*>(option)) {
        if (m_option != nullptr) {
            m_own = std::exchange(m_option->palette, palettes.shared(m_option->palette));
        }
    }
    ~SharedPaletteLoan() {
        if (m_option != nullptr) {
            m_option->palette = m_own;
        }
    }
    SharedPaletteLoan(const SharedPaletteLoan&) = delete;
    SharedPaletteLoan& operator=(const SharedPaletteLoan&) = delete;

private:
    QStyleOption* m_option;
    QPalette m_own;
};

} // namespace

ProgramStyle::ProgramStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

QIcon ProgramStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option, const QWidget* widget) const {
    if (standardIcon == SP_ToolBarHorizontalExtensionButton) {
        return QIcon(new DeferredStandardIcon(*baseStyle(), standardIcon));
    }
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const {
    const SharedPaletteLoan loan(m_palettes, option);
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void ProgramStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const {
    const SharedPaletteLoan loan(m_palettes, option);
    QProxyStyle::drawControl(element, option, painter, widget);
}

void ProgramStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                      const QWidget* widget) const {
    const SharedPaletteLoan loan(m_palettes, option);
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

} // namespace seraphel
