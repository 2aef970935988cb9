#pragma once

// The image viewer: one picture file at its natural size in a scrolling box.
//
// Small pictures are read at once. A big one is read on a worker thread
// (shell/picture_loader.h) while the window goes on; when its reader can read
// a part alone (JPEG), the part the box shows is read first and shown at
// once. Metafiles are drawn by the helper program. Until a picture is wholly
// in, the last complete one can come back: a picture that fails half-way
// leaves the previous picture and its label, as a failure at once does.

#include "images/picture_loader.h"
#include "ui/calculator_panel.h"

#include <QFutureWatcher>
#include <QImage>
#include <QString>

class QLabel;
class QPushButton;
class QScrollArea;
class PictureView;

class ImageViewerPanel : public CalculatorPanel
{
    Q_OBJECT

public:
    explicit ImageViewerPanel(QWidget* parent = nullptr);
    ~ImageViewerPanel() override;

    void resetToStartState() override;

    void loadImage();
    // Shows a picture file; throws pictures::PictureError when it cannot.
    // A big picture or a metafile goes on arriving after the return.
    void showPictureFile(const QString& path);

    // True while a picture is still being read or drawn.
    bool isLoading() const { return m_rasterJob || m_metafileJob; }
    // What the viewer shows now; part of a picture while it loads.
    const QImage& picture() const;

private:
    struct Shown
    {
        QImage image;
        QSize size;
        QString label;
        QString labelHint;
    };

    void startRasterJob(const pictures::RasterFile& file);
    void startMetafileJob(const QString& path, pictures::Kind kind, const QByteArray& bytes);
    void jobFinished(const QImage& image, const QString& error, const QString& path);
    void cancelJob();
    void showPicture(const QImage& image, const QSize& size, const QString& path);
    Shown shown() const;
    void restore(const Shown& shown);

    QScrollArea* m_scrollBox = nullptr;
    PictureView* m_image = nullptr;
    QPushButton* m_loadImage = nullptr;
    QLabel* m_imageFileNameLabel = nullptr;

    QFutureWatcher<pictures::RasterResult>* m_rasterJob = nullptr;
    pictures::MetafileDrawing* m_metafileJob = nullptr;
    // What was shown before the first part of the picture still loading.
    std::optional<Shown> m_beforePart;
};
