#pragma once
// Zoom of the editor's box, on screen only: Ctrl+plus (or Ctrl+=), Ctrl+minus, Ctrl+0 and
// Ctrl+wheel, from 50 % to 400 %. The box lays its document out for a screen of more (or
// fewer) dots per inch, so the text grows while every font size in the document stays as it
// is: the saved file and the printout never see the zoom, and the document is not changed.

#include <QObject>
#include <memory>

class QTextEdit;

class EditorZoom : public QObject {
    Q_OBJECT
public:
    explicit EditorZoom(QTextEdit *box);
    ~EditorZoom() override;

    int percent() const { return m_percent; }
    void zoomIn();
    void zoomOut();
    void reset();
    // The zoom of a box that has one, else 100.
    static int percentOf(const QTextEdit *box);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    class Screen;
    void setPercent(int percent);
    void apply();

    QTextEdit *m_box;
    // Kept apart: the filter still sees events while the box is being destroyed.
    QObject *m_viewport;
    std::unique_ptr<Screen> m_screen;
    int m_percent = 100;
};
