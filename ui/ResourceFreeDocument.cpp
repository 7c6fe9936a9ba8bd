#include "ResourceFreeDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QTextObjectInterface>

namespace seraphel {
namespace {

// Takes the place of Qt's image handler, which loads the image to learn its size and to draw it.
class EmptyImage final : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    using QObject::QObject;

    QSizeF intrinsicSize(QTextDocument*, int, const QTextFormat&) override { return {}; }
    void drawObject(QPainter*, const QRectF&, QTextDocument*, int, const QTextFormat&) override {}
};

} // namespace

ResourceFreeDocument::ResourceFreeDocument(QObject* parent)
    : QTextDocument(parent) {
    QAbstractTextDocumentLayout* layout = documentLayout();
    layout->registerHandler(QTextFormat::ImageObject, new EmptyImage(layout));
}

QVariant ResourceFreeDocument::loadResource(int, const QUrl&) {
    return {};
}

} // namespace seraphel

#include "ResourceFreeDocument.moc"
