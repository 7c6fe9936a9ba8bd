// A text document that never loads a resource. Qt's own document reads every image, style sheet
// or other resource its formats name, from a file, a device, a pipe or a network path, and its
// image layout reads image files by itself when that gives nothing. This one answers every
// resource request with nothing and lays out an image as an empty object, so what a document
// holds can never make the program open anything: not when shown, saved or printed.
#pragma once

#include <QTextDocument>

namespace seraphel {

class ResourceFreeDocument final : public QTextDocument {
    Q_OBJECT

public:
    explicit ResourceFreeDocument(QObject* parent = nullptr);

protected:
    QVariant loadResource(int type, const QUrl& name) override;
};

} // namespace seraphel
