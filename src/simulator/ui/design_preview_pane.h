#pragma once
// The editor sheet's preview: the terminal's screen as it shows what the page
// on top edits, painted as the main window paints it, and under it the record
// a form outputs for a sample entry. It follows every change of the pages'
// working copies and never changes the definition.
#include <QStringList>
#include <QWidget>
#include <memory>

#include "simulator/clock.h"
#include "simulator/design_preview.h"
#include "simulator/ui/skin_artwork.h"

class QLabel;
class QLineEdit;

namespace tessel {
class EditorSheet;
}

namespace tessel::ui {

class DesignPreviewPane : public QWidget {
    Q_OBJECT
public:
    DesignPreviewPane(EditorSheet& sheet, const Project& project, const Strings& strings, const sim::Clock& clock,
                      const QString& artworkFolder = {}, QWidget* parent = nullptr);
    ~DesignPreviewPane() override;

    // Works the preview out again from the sheet's working copies.
    void refresh();

    // The screen's rows as `tessel sim` prints them between its bars.
    QStringList textRows() const;
    // The sample record as text, empty while no form is shown.
    QString recordText() const;

private:
    class ScreenView;

    // Changes come in bursts (one keystroke can change several controls), so
    // the preview is worked out once, when they are done.
    void refreshSoon();

    EditorSheet& sheet_;
    const Project& project_;
    const Strings& strings_;
    const sim::Clock& clock_;
    SkinArtwork artwork_;
    sim::DesignPreview preview_;
    ScreenView* screen_;
    QLabel* recordHeading_;
    QLineEdit* record_;
    bool refreshPending_ = false;
};

}  // namespace tessel::ui
