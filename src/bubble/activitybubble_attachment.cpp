#include "activitybubble.h"
#include "activitybubble_p.h"
#include "linkpolicy_p.h"
#include "logging.h"
#include "multiimagewidget.h"
#include "multiimagewidget_p.h"

#include <contentaction.h>
#include <imageguard.h>
#include <uxlabel.h>

#include <QFileInfo>

#include <algorithm>

namespace {

const unsigned int s_maxThumbnails = 4;
// Images looked at, from the end, to find the ones shown: refused ones cost
// a look and a warning each, and an attachment may hold any number of them.
const int s_maxExaminedImages = 256;

} // namespace

void ActivityBubblePrivate::setAttachment(const SocialActivityAttachment &attachment)
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO << attachment.firstText << attachment.linkUrl
                           << attachment.title << attachment.lastText;

    if (QGraphicsWidget *central = m_owner->centralWidget()) {
        m_owner->setCentralWidget(nullptr);
        delete central;
    }

    if (attachment.media.isEmpty()) {
        if (attachment.linkUrl.isEmpty())
            return;
        // Both come from other people: escaped, the markup shows the title as
        // written and the href decodes back to the URL as written.
        auto *label = new UxLabel;
        label->setTextFormat(Qt::RichText);
        label->setText(
            QStringLiteral("<A HREF=\"%1\">%2</A>")
                .arg(attachment.linkUrl.toHtmlEscaped(), attachment.title.toHtmlEscaped()));
        m_owner->setCentralWidget(label);
        connect(label, &UxLabel::linkActivated, this, &ActivityBubblePrivate::onLinkActivated);
        return;
    }

    auto *images = new MultiImageWidget(s_maxThumbnails);
    m_owner->setCentralWidget(images);
    connect(images, &MultiImageWidget::clicked, this, &ActivityBubblePrivate::onImageClicked);
    images->setInfoText(attachment.title);
    // Only the last images stay: picked from the end, the ones that would be
    // dropped at once are never read.
    QStringList kept;
    int examined = 0;
    for (auto media = attachment.media.crbegin();
         media != attachment.media.crend() && unsigned(kept.size()) < s_maxThumbnails &&
         examined < s_maxExaminedImages;
         ++media) {
        if (media->type != SocialActivityAttachment::Media::Image || media->imagePath.isEmpty())
            continue;
        ++examined;
        if (MultiImageWidgetPrivate::accepts(media->imagePath))
            kept.prepend(media->imagePath);
    }
    for (const QString &path : qAsConst(kept))
        images->appendImage(path);
}

void ActivityBubblePrivate::onImageClicked(const QString &imagePath)
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO << imagePath;

    const QList<SocialActivityAttachment::Media> media = m_activity.attachment().media;
    const auto item = std::find_if(media.cbegin(), media.cend(), [&imagePath](const auto &m) {
        return m.imagePath == imagePath;
    });
    if (item == media.cend())
        return;

    const bool hasUrl = !item->linkUrl.isEmpty() || !item->fallbackUrl.isEmpty();
    const QString target = !item->linkUrl.isEmpty()       ? item->linkUrl
                           : !item->fallbackUrl.isEmpty() ? item->fallbackUrl
                                                          : imagePath;
    qCDebug(lcDavovadezed) << Q_FUNC_INFO << "opening:" << target;

    if (hasUrl) {
        if (!LinkPolicy::isWebLink(target)) {
            qCWarning(lcDavovadezed)
                << Q_FUNC_INFO << "Will not open a link that is not http or https:" << target;
            return;
        }
        ContentAction::Action::defaultActionForScheme(target).trigger();
        return;
    }
    // By what the file holds, not by its name: the target of a link named
    // x.png may be anything.
    const QString file = QFileInfo(target).canonicalFilePath();
    if (file.isEmpty() || !ImageGuard::isImageByContent(file)) {
        qCWarning(lcDavovadezed) << Q_FUNC_INFO
                                 << "Will not open a file that is not a local image:" << target;
        return;
    }
    ContentAction::Action::defaultActionForScheme(file).trigger();
}
