#include "CFadePicture.h"

CFadePicture::CFadePicture(QWidget *parent)
    : QWidget(parent)
{}

CFadePicture::~CFadePicture() = default;

bool CFadePicture::StartFade(int, int)
{
    return false;
}

QSize CFadePicture::sizeHint() const
{
    return m_picture.size();
}

void CFadePicture::paintEvent(QPaintEvent *) {}
void CFadePicture::Step() {}
