#include "TextOnlyBox.h"

#include "ResourceFreeDocument.h"

#include <QMimeData>

namespace seraphel {

TextOnlyBox::TextOnlyBox(QWidget* parent)
    : QTextEdit(parent) {
    setDocument(new ResourceFreeDocument(this));
    setAcceptRichText(false);
}

bool TextOnlyBox::canInsertFromMimeData(const QMimeData* source) const {
    return source != nullptr && !source->text().isEmpty();
}

void TextOnlyBox::insertFromMimeData(const QMimeData* source) {
    if (isReadOnly() || !canInsertFromMimeData(source)) {
        return;
    }
    QTextCursor cursor = textCursor();
    cursor.insertText(source->text());
    setTextCursor(cursor);
    ensureCursorVisible();
}

} // namespace seraphel
