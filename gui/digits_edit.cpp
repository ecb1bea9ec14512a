#include "gui/digits_edit.h"

#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QStyleOptionFrame>

namespace tiebreak {

QLineEdit* newDigitsEdit(int maxLength, const QString& objectName, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    edit->setMaxLength(maxLength);
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    // Room for one digit more than the limit, so that no digit is ever scrolled out of view.
    QStyleOptionFrame frame;
    frame.initFrom(edit);
    const QSize text(edit->fontMetrics().horizontalAdvance(QString(maxLength + 1, u'0')),
                     edit->fontMetrics().height());
    edit->setFixedWidth(
        edit->style()->sizeFromContents(QStyle::CT_LineEdit, &frame, text, edit).width());
    return edit;
}

}  // namespace tiebreak
