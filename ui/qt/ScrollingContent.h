#pragma once

class QScrollArea;
class QWidget;

// Puts `content` in a scroll area that fills `window`, so a window of many
// figures fits a small or magnified screen and all of it can still be
// reached. The content grows in the scroll area when its figures lengthen.
QScrollArea* makeScrollingContent(QWidget& window, QWidget* content);
