#include "net/FtpData.h"

void registerFtpDataTypes()
{
    qRegisterMetaType<FtpData>("FtpData");
    qRegisterMetaType<QVector<FtpData>>("QVector<FtpData>");
}
