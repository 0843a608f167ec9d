#ifndef UXTEXTDOCUMENT_P_H
#define UXTEXTDOCUMENT_P_H

#include <QTextDocument>

// A text document that reads nothing from outside: an image or style sheet
// named in rich text is never loaded, so a path in a text cannot read a
// huge file, block on a pipe or show a local picture.
class UxTextDocument : public QTextDocument
{
public:
    using QTextDocument::QTextDocument;

protected:
    QVariant loadResource(int type, const QUrl &name) override;
};

#endif // UXTEXTDOCUMENT_P_H
