// A rich-text box that takes in text and nothing else. Whatever is pasted (by keyboard, menu or
// middle click) or dropped on it enters as plain text in the character format at the insertion
// point, exactly as typed text does, whichever formats the data offers and in whatever order:
// no Markdown, HTML, rich text or image ever reaches its document, and data without text
// inserts nothing. Its document loads no resource, so nothing it holds can have the program
// open a file. What is copied out of it goes to other programs as Qt offers it.
#pragma once

#include <QTextEdit>

namespace seraphel {

class TextOnlyBox final : public QTextEdit {
    Q_OBJECT

public:
    explicit TextOnlyBox(QWidget* parent = nullptr);

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};

} // namespace seraphel
