#pragma once

#include <QByteArray>

// The stylesheet of the published plan: dark on light, tables that fit a phone's width.
QByteArray PublishedStyleSheet();
