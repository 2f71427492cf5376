// The reusable file-name picker: a "..." button that, on request, shows an
// Open or Save file dialog and returns the chosen path.
#pragma once

#include "base/user_interface.h"

#include <QColor>
#include <QIcon>
#include <QPushButton>
#include <QString>
#include <QVariant>
#include <QWidget>

namespace vextor::app {

class FNDialog : public QWidget {
    Q_OBJECT
public:
    explicit FNDialog(QWidget* parent = nullptr);

    // File patterns separated by ";" ("*.vxt;*.txt;*.dat") and their name.
    QString FileTypes;
    QString FileTypesName;
    // The dialog's title; a picker whose title was never set shows 0.
    QVariant Title = 0;
    // Folder in which the dialog opens (with or without the closing separator).
    QString DefaultDir;
    // Stored only; nothing is drawn with it.
    QColor ForeColor = QColor(0, 0, 0);

    void setCaption(const QString& caption) { button_->setText(caption); }
    QString caption() const { return button_->text(); }
    QPushButton* button() const { return button_; }
    void setPicture(const QIcon& picture) { button_->setIcon(picture); }

    // Shows the Save dialog for mode "SAVE" in any letter case, the Open dialog
    // otherwise. Returns the full path, or an empty string when cancelled. The
    // current folder is the same afterwards.
    QString GetFileName(const QString& mode = QString());

    // The dialog itself, for hosts that hold a FileRequest.
    static QString run(QWidget* owner, const FileRequest& request);
    // The filter entry: "Vextor Files (*.vxt *.txt *.dat)".
    static QString filterText(const QString& name, const QString& types);

signals:
    void Click();
    void KeyDown(int key, Qt::KeyboardModifiers shift);
    void KeyPress(int character);
    void KeyUp(int key, Qt::KeyboardModifiers shift);
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void MouseMove(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* button_;
};

} // namespace vextor::app
