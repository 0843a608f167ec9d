<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en">
<context>
    <name></name>
    <message id="qtn_actv_time">
        <source>Just now</source>
        <translation>Przed chwilą</translation>
    </message>
    <message id="qtn_actv_time_minutes_ago" numerus="yes">
        <source>%1 minutes ago</source>
        <translation>
            <numerusform>%1 minutę temu</numerusform>
            <numerusform>%1 minuty temu</numerusform>
            <numerusform>%1 minut temu</numerusform>
        </translation>
    </message>
    <message id="qtn_actv_time_hour_ago">
        <source>1 hour ago</source>
        <translation>Godzinę temu</translation>
    </message>
    <message id="qtn_actv_time_more_hour_ago" numerus="yes">
        <source>%1 hours ago</source>
        <translation>
            <numerusform>%1 godzinę temu</numerusform>
            <numerusform>%1 godziny temu</numerusform>
            <numerusform>%1 godzin temu</numerusform>
        </translation>
    </message>
    <message id="qtn_comm_time_yesterday">
        <source>Yesterday %1</source>
        <translation>Wczoraj %1</translation>
    </message>
    <message id="qtn_comm_time_day_ago" numerus="yes">
        <source>%1 days ago</source>
        <translation>
            <numerusform>%1 dzień temu</numerusform>
            <numerusform>%1 dni temu</numerusform>
            <numerusform>%1 dni temu</numerusform>
        </translation>
    </message>
    <message id="qtn_actv_button_like">
        <source>Like</source>
        <translation>Lubię to</translation>
    </message>
    <message id="qtn_actv_button_unlike">
        <source>Unlike</source>
        <translation>Cofnij polubienie</translation>
    </message>
    <message id="qtn_actv_text_1_like">
        <source>%1 likes this</source>
        <translation>%1 lubi to</translation>
    </message>
    <message id="qtn_actv_text_2_like">
        <source>%1 and %2 like this</source>
        <translation>%1 i %2 lubią to</translation>
    </message>
    <message id="qtn_actv_text_2_like_you">
        <source>%1 and %2 others like this</source>
        <translation>Lubią to: %1 i inne osoby (%2)</translation>
    </message>
    <message id="qtn_actv_text_you_like">
        <source>You like this</source>
        <translation>Lubisz to</translation>
    </message>
    <message id="qtn_actv_text_you_and_like">
        <source>You and %1 like this</source>
        <translation>Ty i %1 lubicie to</translation>
    </message>
    <message id="qtn_actv_single_button_post_comment">
        <source>Post</source>
        <translation>Wyślij</translation>
    </message>
    <message id="qtn_actv_single_text_write_comment">
        <source>Write a comment...</source>
        <translation>Napisz komentarz...</translation>
    </message>
    <message id="qtn_actv_single_view_all_comments">
        <source>View all %1 comments</source>
        <translation>Pokaż wszystkie komentarze (%1)</translation>
    </message>
</context>
<context>
    <name>CommentsPagePrivate</name>
    <message>
        <source>1 person likes this</source>
        <translation>1 osoba lubi to</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Ty</translation>
    </message>
    <message numerus="yes">
        <source>%1 people like this</source>
        <translation>
            <numerusform>%1 osoba lubi to</numerusform>
            <numerusform>%1 osoby lubią to</numerusform>
            <numerusform>%1 osób lubi to</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommentsPagePrivateTwitter</name>
    <message>
        <source>Retweet</source>
        <translation>Podaj dalej</translation>
    </message>
</context>
</TS>
