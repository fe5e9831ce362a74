// The hidapi C functions the program uses, answered by the simulated bus instead of hidraw.

#include "SimBus.h"
#include "SimHandle.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>

#include <hidapi.h>

namespace {

std::atomic<const wchar_t*> g_lastError {L"Success"};

char* copyText(const char* text)
{
    const std::size_t size = std::strlen(text) + 1;
    auto* copy = static_cast<char*>(std::malloc(size));
    if (copy) {
        std::memcpy(copy, text, size);
    }
    return copy;
}

wchar_t* copyWide(const wchar_t* text)
{
    const std::size_t size = (std::wcslen(text) + 1) * sizeof(wchar_t);
    auto* copy = static_cast<wchar_t*>(std::malloc(size));
    if (copy) {
        std::memcpy(copy, text, size);
    }
    return copy;
}

hid_device_info* newInfo(const sim::SimKeyboard& keyboard, int interfaceNumber)
{
    auto* info = static_cast<hid_device_info*>(std::calloc(1, sizeof(hid_device_info)));
    if (!info) {
        return nullptr;
    }
    info->path = copyText(sim::SimBus::path(keyboard, interfaceNumber).c_str());
    info->vendor_id = keyboard.vendorId();
    info->product_id = keyboard.productId();
    info->serial_number = copyWide(L"");
    info->manufacturer_string = copyWide(L"");
    info->product_string = copyWide(L"");
    info->interface_number = interfaceNumber;
    info->usage_page = keyboard.usagePage(interfaceNumber);
    info->usage = keyboard.usage(interfaceNumber);
    info->bus_type = HID_API_BUS_USB;
    return info;
}

std::shared_ptr<sim::SimHandle> lookUp(hid_device* dev)
{
    std::shared_ptr<sim::SimHandle> handle = sim::SimBus::instance().handle(dev);
    if (!handle) {
        g_lastError = L"Not an open device handle";
    }
    return handle;
}

} // namespace

extern "C" {

int HID_API_EXPORT HID_API_CALL hid_init(void)
{
    return 0;
}

int HID_API_EXPORT HID_API_CALL hid_exit(void)
{
    return 0;
}

struct hid_device_info HID_API_EXPORT* HID_API_CALL hid_enumerate(unsigned short vendor_id, unsigned short product_id)
{
    hid_device_info* head = nullptr;
    hid_device_info** tail = &head;
    for (const auto& keyboard : sim::SimBus::instance().plugged(vendor_id, product_id)) {
        for (int i = 0; i < keyboard->interfaceCount(); ++i) {
            hid_device_info* info = newInfo(*keyboard, i);
            if (!info) {
                return head;
            }
            *tail = info;
            tail = &info->next;
        }
    }
    return head;
}

void HID_API_EXPORT HID_API_CALL hid_free_enumeration(struct hid_device_info* devs)
{
    while (devs) {
        hid_device_info* next = devs->next;
        std::free(devs->path);
        std::free(devs->serial_number);
        std::free(devs->manufacturer_string);
        std::free(devs->product_string);
        std::free(devs);
        devs = next;
    }
}

HID_API_EXPORT hid_device* HID_API_CALL hid_open(
    unsigned short vendor_id, unsigned short product_id, const wchar_t* /*serial_number*/)
{
    sim::SimHandle* handle = sim::SimBus::instance().open(vendor_id, product_id);
    if (!handle) {
        g_lastError = sim::SimBus::instance().plugged(vendor_id, product_id).empty()
            ? L"No matching keyboard is plugged in"
            : L"Failed to open a device: Permission denied";
    }
    // The pointer is only ever a key for the bus; it is never dereferenced as a hid_device.
    return reinterpret_cast<hid_device*>(handle);
}

HID_API_EXPORT hid_device* HID_API_CALL hid_open_path(const char* path)
{
    sim::SimHandle* handle = path ? sim::SimBus::instance().openPath(path) : nullptr;
    if (!handle) {
        g_lastError = L"Failed to open a device with path: Permission denied";
    }
    return reinterpret_cast<hid_device*>(handle);
}

int HID_API_EXPORT HID_API_CALL hid_write(hid_device* dev, const unsigned char* data, size_t length)
{
    const std::shared_ptr<sim::SimHandle> handle = lookUp(dev);
    return handle ? handle->write(data, length) : -1;
}

int HID_API_EXPORT HID_API_CALL hid_read_timeout(hid_device* dev, unsigned char* data, size_t length, int milliseconds)
{
    const std::shared_ptr<sim::SimHandle> handle = lookUp(dev);
    return handle ? handle->read(data, length, milliseconds) : -1;
}

int HID_API_EXPORT HID_API_CALL hid_read(hid_device* dev, unsigned char* data, size_t length)
{
    return hid_read_timeout(dev, data, length, -1);
}

HID_API_EXPORT const wchar_t* HID_API_CALL hid_error(hid_device* dev)
{
    if (dev) {
        if (const std::shared_ptr<sim::SimHandle> handle = sim::SimBus::instance().handle(dev)) {
            return handle->lastError();
        }
    }
    return g_lastError;
}

void HID_API_EXPORT HID_API_CALL hid_close(hid_device* dev)
{
    sim::SimBus::instance().close(dev);
}

} // extern "C"
