#include "shell/fatal_error.h"

#include <QApplication>
#include <QMessageBox>
#include <atomic>
#include <cstdlib>
#include <new>

namespace qc {
namespace {
std::atomic<std::size_t> g_failedAllocation{0};
}

void ShowFatalError(const QString& message) {
    const QString text =
        QStringLiteral("运行时出错!\r\n\r\n错误信息：") + message + QStringLiteral("\r\n");
    if (qApp) {
        QMessageBox::critical(nullptr, QStringLiteral("错误"), text);
    } else {
        fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    }
}

QString AllocationFailureMessage(std::size_t bytes) {
    return QStringLiteral("分配 %1 字节内存失败!").arg(qulonglong(bytes));
}

QString WindowLoadFailureMessage() {
    return QStringLiteral("载入启动窗口失败");
}

std::size_t LastFailedAllocationSize() {
    return g_failedAllocation.load();
}

}  // namespace qc

#if !defined(__SANITIZE_ADDRESS__) && !defined(QC_NO_NEW_REPLACEMENT)
// Replaced so an allocation failure can name the size it asked for in the error box.
void* operator new(std::size_t bytes) {
    if (void* p = std::malloc(bytes ? bytes : 1)) return p;
    qc::g_failedAllocation.store(bytes);
    throw std::bad_alloc();
}
void* operator new[](std::size_t bytes) {
    return operator new(bytes);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
#endif
