#include "ProgramStyle.h"

#include <QIconEngine>
#include <QPointer>
#include <QStyleFactory>

#include <optional>

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

} // namespace

ProgramStyle::ProgramStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

QIcon ProgramStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option, const QWidget* widget) const {
    if (standardIcon == SP_ToolBarHorizontalExtensionButton) {
        return QIcon(new DeferredStandardIcon(*baseStyle(), standardIcon));
    }
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}

} // namespace seraphel
