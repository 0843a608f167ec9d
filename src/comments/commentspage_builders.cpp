// The rows of the page. Each builder appends its row, so the order in which a
// variant calls them is the order of the rows, top to bottom.
#include "commentspage_p.h"

#include "accountsignals_p.h"
#include "activitieswidget.h"
#include "activitybubble.h"
#include "commentspage.h"

#include <uxbubbleitem.h>
#include <uxbutton.h>
#include <uxflowlayoutpolicy.h>
#include <uxlabel.h>
#include <uxlayout.h>
#include <uxlinearlayoutpolicy.h>
#include <uxtextedit.h>

namespace {

const int s_maxComments = 100;

} // namespace

void CommentsPagePrivate::alignWithBubble(UxAbstractLayoutPolicy *policy)
{
    // The rows line up with the frames of the bubbles above and below them.
    const qreal side = UxBubbleItem::sideMargin();
    policy->setContentsMargins(side, 0, side, 0);
}

void CommentsPagePrivate::createContentActivityBubble()
{
    m_bubble = new ActivityBubble();
    m_policy->addItem(m_bubble);
    m_policy->setContentsMargins(0, 0, 0, 0);
    AccountSignals::follow<CommentsPagePrivate>(this, nullptr,
                                                &CommentsPagePrivate::onAccountsRemoved);
}

void CommentsPagePrivate::createContentMoreLabel()
{
    m_moreLabel = new UxLabel();
    m_moreLabel->setTextFormat(Qt::RichText);
    m_moreLabel->setContentsMargins(UxBubbleItem::sideMargin(), 0, UxBubbleItem::sideMargin(), 0);
    m_policy->addItem(m_moreLabel);
    connect(m_moreLabel, &UxLabel::linkActivated, this, &CommentsPagePrivate::onShowMoreClicked);
}

void CommentsPagePrivate::createContentComments()
{
    m_comments = new ActivitiesWidget(s_maxComments, Qt::AscendingOrder, m_page);
    m_comments->setActivityTypeFilter(SocialActivity::Comment);
    // The user's own comments belong to the conversation too.
    m_comments->discardOwnActivities(false);
    // The link offers the comments the list does not show yet.
    connect(m_comments, &ActivitiesWidget::itemCountChanged, this,
            &CommentsPagePrivate::updateShowMoreLabel);
    m_policy->addItem(m_comments);
}

void CommentsPagePrivate::createContentPostComment()
{
    m_postLayout = new UxLayout(m_layout);
    m_postPolicy = new UxLinearLayoutPolicy(m_postLayout, Qt::Vertical);
    alignWithBubble(m_postPolicy);

    m_commentEdit = new UxTextEdit(UxTextEditModel::SingleLine, QString());
    //% "Write a comment..."
    m_commentEdit->setPrompt(qtTrId("qtn_actv_single_text_write_comment"));
    m_postPolicy->addItem(m_commentEdit);
    // The editor holds one line, so Return has nothing else to do.
    connect(m_commentEdit, &UxTextEdit::returnPressed, this, &CommentsPagePrivate::onPostClicked);

    //% "Post"
    m_postButton = new UxButton(qtTrId("qtn_actv_single_button_post_comment"));
    connect(m_postButton, &UxButton::clicked, this, &CommentsPagePrivate::onPostClicked);
    m_postPolicy->addItem(m_postButton);

    m_policy->addItem(m_postLayout);
}

void CommentsPagePrivate::createContentLikenessArea()
{
    m_likenessLayout = new UxLayout(m_layout);
    m_likenessPolicy = new UxFlowLayoutPolicy(m_likenessLayout);
    m_likenessPolicy->setRowLimit(2);
    alignWithBubble(m_likenessPolicy);

    m_likesLabel = new UxLabel();
    m_likenessPolicy->addItem(m_likesLabel);
    m_likenessPolicy->setAlignment(m_likesLabel, Qt::AlignLeft);
    m_likesLabel->setAlignment(Qt::AlignLeft);
    m_likesLabel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);

    m_likeButton = new UxButton();
    connect(m_likeButton, &UxButton::clicked, this, &CommentsPagePrivate::onLikeClicked);
    m_likenessPolicy->addItem(m_likeButton);
    m_likenessPolicy->setAlignment(m_likeButton, Qt::AlignRight);
    m_likeButton->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
    setLikeButtonText(qtTrId("qtn_actv_button_like"));

    m_policy->addItem(m_likenessLayout);
}
