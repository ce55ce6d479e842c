#include "content.h"

Content::Content(QObject *parent)
    : QObject(parent)
{
}

void Content::updateModifyStatus(bool status)
{
    emit updateModifyStatusSignal(status);
}
