// What the mesh picture window tells the user about its files and its printing.
#pragma once

#include <QString>

namespace gp::mesh_msg {

inline const char* const kWindowTitle = "齿轮啮合图";

inline QString not_written(const QString& path, const QString& reason) {
    return QStringLiteral("文件未能写入%1：%2").arg(path, reason);
}

inline QString unknown_picture_type(const QString& path) {
    return QStringLiteral("无法识别图片格式（请使用 .svg 或 .png）：%1").arg(path);
}

inline QString printed_to_pdf(const QString& why_not_printed, const QString& pdf) {
    return QStringLiteral("啮合图未能打印（%1），已存为PDF文件：%2").arg(why_not_printed, pdf);
}

inline QString not_printed(const QString& reason) {
    return QStringLiteral("啮合图未能打印，也未能存为PDF文件：%1").arg(reason);
}

inline QString no_outline(const QString& reason) {
    return QStringLiteral("齿形未能导出：%1").arg(reason);
}

}  // namespace gp::mesh_msg
