<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name></name>
    <message id="qtn_actv_time">
        <source>Just now</source>
        <translation>Just now</translation>
    </message>
    <message id="qtn_actv_time_minutes_ago" numerus="yes">
        <source>%1 minutes ago</source>
        <translation>
            <numerusform>%1 minute ago</numerusform>
            <numerusform>%1 minutes ago</numerusform>
        </translation>
    </message>
    <message id="qtn_actv_time_hour_ago">
        <source>1 hour ago</source>
        <translation>1 hour ago</translation>
    </message>
    <message id="qtn_actv_time_more_hour_ago" numerus="yes">
        <source>%1 hours ago</source>
        <translation>
            <numerusform>%1 hour ago</numerusform>
            <numerusform>%1 hours ago</numerusform>
        </translation>
    </message>
    <message id="qtn_comm_time_yesterday">
        <source>Yesterday %1</source>
        <translation>Yesterday %1</translation>
    </message>
    <message id="qtn_comm_time_day_ago" numerus="yes">
        <source>%1 days ago</source>
        <translation>
            <numerusform>%1 day ago</numerusform>
            <numerusform>%1 days ago</numerusform>
        </translation>
    </message>
    <message id="qtn_actv_button_like">
        <source>Like</source>
        <translation>Like</translation>
    </message>
    <message id="qtn_actv_button_unlike">
        <source>Unlike</source>
        <translation>Unlike</translation>
    </message>
    <message id="qtn_actv_text_1_like">
        <source>%1 likes this</source>
        <translation>%1 likes this</translation>
    </message>
    <message id="qtn_actv_text_2_like">
        <source>%1 and %2 like this</source>
        <translation>%1 and %2 like this</translation>
    </message>
    <message id="qtn_actv_text_2_like_you">
        <source>%1 and %2 others like this</source>
        <translation>%1 and %2 others like this</translation>
    </message>
    <message id="qtn_actv_text_you_like">
        <source>You like this</source>
        <translation>You like this</translation>
    </message>
    <message id="qtn_actv_text_you_and_like">
        <source>You and %1 like this</source>
        <translation>You and %1 like this</translation>
    </message>
    <message id="qtn_actv_single_button_post_comment">
        <source>Post</source>
        <translation>Post</translation>
    </message>
    <message id="qtn_actv_single_text_write_comment">
        <source>Write a comment...</source>
        <translation>Write a comment...</translation>
    </message>
    <message id="qtn_actv_single_view_all_comments">
        <source>View all %1 comments</source>
        <translation>View all %1 comments</translation>
    </message>
</context>
<context>
    <name>CommentsPagePrivate</name>
    <message>
        <source>1 person likes this</source>
        <translation>1 person likes this</translation>
    </message>
    <message>
        <source>You</source>
        <translation>You</translation>
    </message>
    <message numerus="yes">
        <source>%1 people like this</source>
        <translation>
            <numerusform>%1 person likes this</numerusform>
            <numerusform>%1 people like this</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommentsPagePrivateTwitter</name>
    <message>
        <source>Retweet</source>
        <translation>Retweet</translation>
    </message>
</context>
</TS>
