// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPoint>
#include <optional>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class SkinButton;

// A small modal form in the skin's look: frameless, the page's blue with the window's rim, a
// title, white labels, the skin's boxes and painted buttons, and a line that says in words what
// keeps the form from being saved. Subclasses fill body() and decide in commit() whether the
// form may close; Enter commits, Escape cancels, and the form is moved by its title.
class SkinForm : public QDialog
{
    Q_OBJECT

public:
    SkinForm(const QString &title, const QString &commitCaption, QWidget *parent = nullptr);

    SkinButton *commitButton() const { return m_commit; }
    SkinButton *cancelButton() const { return m_cancel; }
    // The problem shown, empty while there is none.
    QString problem() const;

    // Checks and keeps what was typed; the form closes as accepted when it returns true.
    void tryCommit();

    // A label in the form's look, a number box and a choice box sized for the form.
    QLabel *makeLabel(const QString &text, bool bold = true);
    QLineEdit *makeNumberBox();
    QComboBox *makeChoice(const QStringList &items);

protected:
    virtual bool commit() = 0;
    // Shows the problem (empty hides it) and puts the keyboard on the box it is about.
    void showProblem(const QString &text, QWidget *box = nullptr);
    // The form's own rows, between the title and the problem line.
    QGridLayout *body() const { return m_body; }
    // Sized to its rows and centred over its parent window; call after filling body().
    void fitToContents();

    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_title;
    QGridLayout *m_body = nullptr;
    QLabel *m_problem = nullptr;
    SkinButton *m_commit = nullptr;
    SkinButton *m_cancel = nullptr;
    std::optional<QPoint> m_dragOffset;
};
