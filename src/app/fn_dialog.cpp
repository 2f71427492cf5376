#include "app/fn_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMouseEvent>

namespace vextor::app {

FNDialog::FNDialog(QWidget* parent) : QWidget(parent), button_(new QPushButton("...", this)) {
    button_->installEventFilter(this);
    connect(button_, &QPushButton::clicked, this, &FNDialog::Click);
    button_->setGeometry(rect());
}

void FNDialog::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    button_->setGeometry(rect());
}

bool FNDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched != button_)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove: {
        auto* me = static_cast<QMouseEvent*>(event);
        const QPoint p = me->position().toPoint();
        if (event->type() == QEvent::MouseButtonPress)
            emit MouseDown(me->button(), me->modifiers(), p.x(), p.y());
        else if (event->type() == QEvent::MouseButtonRelease)
            emit MouseUp(me->button(), me->modifiers(), p.x(), p.y());
        else
            emit MouseMove(me->button(), me->modifiers(), p.x(), p.y());
        break;
    }
    case QEvent::KeyPress: {
        auto* ke = static_cast<QKeyEvent*>(event);
        emit KeyDown(ke->key(), ke->modifiers());
        if (!ke->text().isEmpty())
            emit KeyPress(ke->text().at(0).unicode());
        break;
    }
    case QEvent::KeyRelease: {
        auto* ke = static_cast<QKeyEvent*>(event);
        emit KeyUp(ke->key(), ke->modifiers());
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

QString FNDialog::filterText(const QString& name, const QString& types) {
    QString patterns = types;
    patterns.replace(';', ' ');
    return name + " (" + patterns.trimmed() + ")";
}

QString FNDialog::GetFileName(const QString& mode) {
    FileRequest r;
    r.title = Title.toString().toStdString();
    r.fileTypes = FileTypes.toStdString();
    r.fileTypesName = FileTypesName.toStdString();
    r.defaultDir = DefaultDir.toStdString();
    r.save = mode.toUpper() == QStringLiteral("SAVE");
    return run(window(), r);
}

QString FNDialog::run(QWidget* owner, const FileRequest& request) {
    const QString remembered = QDir::currentPath();
    QString start = QString::fromStdString(request.defaultDir);
    if (!start.endsWith('/') && !start.endsWith('\\'))
        start += '/';

    QFileDialog dialog(owner, QString::fromStdString(request.title), start);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filterText(QString::fromStdString(request.fileTypesName),
                                    QString::fromStdString(request.fileTypes)));
    QString result;
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        result = QDir::toNativeSeparators(dialog.selectedFiles().constFirst()).trimmed();
    QDir::setCurrent(remembered);
    return result;
}

} // namespace vextor::app
