/****************************************************************************
** Meta object code from reading C++ file 'vx_plugin.h'
**
** Created by: The Qt Meta Object Compiler version 68 (Qt 6.4.2)
**
** WARNING! All changes made in this file will be lost!
*****************************************************************************/

#include <memory>
#include "../../../../control/vx_plugin.h"
#include <QtCore/qmetatype.h>
#include <QtCore/qplugin.h>
#if !defined(Q_MOC_OUTPUT_REVISION)
#error "The header file 'vx_plugin.h' doesn't include <QObject>."
#elif Q_MOC_OUTPUT_REVISION != 68
#error "This file was generated using the moc from 6.4.2. It"
#error "cannot be used with the include files from this version of Qt."
#error "(The moc has changed too much.)"
#endif

#ifndef Q_CONSTINIT
#define Q_CONSTINIT
#endif

QT_BEGIN_MOC_NAMESPACE
QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED
namespace {
struct qt_meta_stringdata_vx__VxPlugin_t {
    uint offsetsAndSizes[2];
    char stringdata0[13];
};
#define QT_MOC_LITERAL(ofs, len) \
    uint(sizeof(qt_meta_stringdata_vx__VxPlugin_t::offsetsAndSizes) + ofs), len 
Q_CONSTINIT static const qt_meta_stringdata_vx__VxPlugin_t qt_meta_stringdata_vx__VxPlugin = {
    {
        QT_MOC_LITERAL(0, 12)   // "vx::VxPlugin"
    },
    "vx::VxPlugin"
};
#undef QT_MOC_LITERAL
} // unnamed namespace

Q_CONSTINIT static const uint qt_meta_data_vx__VxPlugin[] = {

 // content:
      10,       // revision
       0,       // classname
       0,    0, // classinfo
       0,    0, // methods
       0,    0, // properties
       0,    0, // enums/sets
       0,    0, // constructors
       0,       // flags
       0,       // signalCount

       0        // eod
};

Q_CONSTINIT const QMetaObject vx::VxPlugin::staticMetaObject = { {
    QMetaObject::SuperData::link<QObject::staticMetaObject>(),
    qt_meta_stringdata_vx__VxPlugin.offsetsAndSizes,
    qt_meta_data_vx__VxPlugin,
    qt_static_metacall,
    nullptr,
    qt_incomplete_metaTypeArray<qt_meta_stringdata_vx__VxPlugin_t,
        // Q_OBJECT / Q_GADGET
        QtPrivate::TypeAndForceComplete<VxPlugin, std::true_type>
    >,
    nullptr
} };

void vx::VxPlugin::qt_static_metacall(QObject *_o, QMetaObject::Call _c, int _id, void **_a)
{
    (void)_o;
    (void)_id;
    (void)_c;
    (void)_a;
}

const QMetaObject *vx::VxPlugin::metaObject() const
{
    return QObject::d_ptr->metaObject ? QObject::d_ptr->dynamicMetaObject() : &staticMetaObject;
}

void *vx::VxPlugin::qt_metacast(const char *_clname)
{
    if (!_clname) return nullptr;
    if (!strcmp(_clname, qt_meta_stringdata_vx__VxPlugin.stringdata0))
        return static_cast<void*>(this);
    if (!strcmp(_clname, "ControlFactory"))
        return static_cast< ControlFactory*>(this);
    if (!strcmp(_clname, "org.kestrune.vx.ControlFactory/1.0"))
        return static_cast< vx::ControlFactory*>(this);
    return QObject::qt_metacast(_clname);
}

int vx::VxPlugin::qt_metacall(QMetaObject::Call _c, int _id, void **_a)
{
    _id = QObject::qt_metacall(_c, _id, _a);
    return _id;
}
using namespace vx;

#ifdef QT_MOC_EXPORT_PLUGIN_V2
static constexpr unsigned char qt_pluginMetaDataV2_VxPlugin[] = {
    0xbf, 
    // "IID"
    0x02,  0x78,  0x22,  'o',  'r',  'g',  '.',  'k', 
    'e',  's',  't',  'r',  'u',  'n',  'e',  '.', 
    'v',  'x',  '.',  'C',  'o',  'n',  't',  'r', 
    'o',  'l',  'F',  'a',  'c',  't',  'o',  'r', 
    'y',  '/',  '1',  '.',  '0', 
    // "className"
    0x03,  0x68,  'V',  'x',  'P',  'l',  'u',  'g', 
    'i',  'n', 
    // "MetaData"
    0x04,  0xa2,  0x67,  'C',  'l',  'a',  's',  's', 
    'e',  's',  0x82,  0xa5,  0x67,  'c',  'l',  'a', 
    's',  's',  'I',  'd',  0x78,  0x26,  '{',  'C', 
    '1',  'D',  'F',  '0',  'D',  '8',  '3',  '-', 
    'D',  '4',  '4',  'C',  '-',  '4',  'D',  '4', 
    '9',  '-',  '8',  '6',  '0',  '7',  '-',  '5', 
    'B',  'B',  'F',  '7',  'A',  'F',  '1',  '2', 
    'B',  '9',  '5',  '}',  0x6a,  'i',  'n',  't', 
    'e',  'r',  'f',  'a',  'c',  'e',  's',  0xa2, 
    0x67,  'd',  'e',  'f',  'a',  'u',  'l',  't', 
    0x78,  0x26,  '{',  '4',  '7',  'A',  '7',  '5', 
    '6',  'C',  '4',  '-',  '8',  '8',  '6',  'A', 
    '-',  '4',  '1',  'A',  'B',  '-',  'A',  '3', 
    'B',  'A',  '-',  '6',  'E',  '1',  '4',  'E', 
    '9',  '9',  '5',  'E',  '2',  'D',  'F',  '}', 
    0x66,  's',  'o',  'u',  'r',  'c',  'e',  0x78, 
    0x26,  '{',  '0',  '4',  '6',  '4',  '6',  '9', 
    '8',  'F',  '-',  '4',  'E',  '1',  '6',  '-', 
    '4',  '1',  '9',  '0',  '-',  'A',  'C',  '7', 
    '0',  '-',  '3',  'C',  '0',  '0',  '8',  'E', 
    'C',  '0',  '1',  '1',  '0',  'D',  '}',  0x64, 
    'n',  'a',  'm',  'e',  0x66,  'v',  'x',  'c', 
    'o',  'm',  'm',  0x66,  'p',  'r',  'o',  'g', 
    'I',  'd',  0x69,  'v',  'x',  '.',  'v',  'x', 
    'c',  'o',  'm',  'm',  0x6c,  'p',  'r',  'o', 
    'p',  'e',  'r',  't',  'y',  'P',  'a',  'g', 
    'e',  0x64,  'v',  'x',  'p',  'p',  0xa3,  0x67, 
    'c',  'l',  'a',  's',  's',  'I',  'd',  0x78, 
    0x26,  '{',  'C',  'C',  'E',  '9',  '5',  'C', 
    'C',  '8',  '-',  'A',  '0',  '7',  '6',  '-', 
    '4',  '3',  '4',  'E',  '-',  'A',  '4',  'D', 
    '6',  '-',  '7',  'C',  'A',  'C',  '2',  'E', 
    'E',  'C',  'D',  'D',  'E',  '7',  '}',  0x6a, 
    'i',  'n',  't',  'e',  'r',  'f',  'a',  'c', 
    'e',  's',  0xa1,  0x67,  'd',  'e',  'f',  'a', 
    'u',  'l',  't',  0x78,  0x26,  '{',  'A',  '0', 
    '3',  '9',  'C',  'F',  'F',  'C',  '-',  'C', 
    '7',  'D',  '5',  '-',  '4',  '6',  'E',  '9', 
    '-',  '9',  '2',  '2',  '1',  '-',  '9',  '4', 
    '3',  'D',  '8',  'B',  'B',  'B',  'B',  '8', 
    'E',  'F',  '}',  0x64,  'n',  'a',  'm',  'e', 
    0x64,  'v',  'x',  'p',  'p',  0x67,  'L',  'i', 
    'b',  'r',  'a',  'r',  'y',  0xa6,  0x67,  'c', 
    'o',  'n',  't',  'r',  'o',  'l',  0xf5,  0x64, 
    'h',  'e',  'l',  'p',  0x62,  'v',  'x',  0x62, 
    'i',  'd',  0x78,  0x26,  '{',  'D',  '1',  '9', 
    '4',  '7',  'A',  'C',  '1',  '-',  '8',  'D', 
    '8',  'E',  '-',  '4',  'B',  '6',  '6',  '-', 
    '9',  '9',  '3',  'B',  '-',  'A',  '5',  'A', 
    'F',  'B',  '4',  '9',  '0',  '2',  '0',  '8', 
    '0',  '}',  0x66,  'l',  'o',  'c',  'a',  'l', 
    'e',  0x19,  0x04,  0x09,  0x64,  'n',  'a',  'm', 
    'e',  0x62,  'v',  'x',  0x67,  'v',  'e',  'r', 
    's',  'i',  'o',  'n',  0x63,  '1',  '.',  '0', 
    0xff, 
};
QT_MOC_EXPORT_PLUGIN_V2(vx::VxPlugin, VxPlugin, qt_pluginMetaDataV2_VxPlugin)
#else
QT_PLUGIN_METADATA_SECTION
Q_CONSTINIT static constexpr unsigned char qt_pluginMetaData_VxPlugin[] = {
    'Q', 'T', 'M', 'E', 'T', 'A', 'D', 'A', 'T', 'A', ' ', '!',
    // metadata version, Qt version, architectural requirements
    0, QT_VERSION_MAJOR, QT_VERSION_MINOR, qPluginArchRequirements(),
    0xbf, 
    // "IID"
    0x02,  0x78,  0x22,  'o',  'r',  'g',  '.',  'k', 
    'e',  's',  't',  'r',  'u',  'n',  'e',  '.', 
    'v',  'x',  '.',  'C',  'o',  'n',  't',  'r', 
    'o',  'l',  'F',  'a',  'c',  't',  'o',  'r', 
    'y',  '/',  '1',  '.',  '0', 
    // "className"
    0x03,  0x68,  'V',  'x',  'P',  'l',  'u',  'g', 
    'i',  'n', 
    // "MetaData"
    0x04,  0xa2,  0x67,  'C',  'l',  'a',  's',  's', 
    'e',  's',  0x82,  0xa5,  0x67,  'c',  'l',  'a', 
    's',  's',  'I',  'd',  0x78,  0x26,  '{',  'C', 
    '1',  'D',  'F',  '0',  'D',  '8',  '3',  '-', 
    'D',  '4',  '4',  'C',  '-',  '4',  'D',  '4', 
    '9',  '-',  '8',  '6',  '0',  '7',  '-',  '5', 
    'B',  'B',  'F',  '7',  'A',  'F',  '1',  '2', 
    'B',  '9',  '5',  '}',  0x6a,  'i',  'n',  't', 
    'e',  'r',  'f',  'a',  'c',  'e',  's',  0xa2, 
    0x67,  'd',  'e',  'f',  'a',  'u',  'l',  't', 
    0x78,  0x26,  '{',  '4',  '7',  'A',  '7',  '5', 
    '6',  'C',  '4',  '-',  '8',  '8',  '6',  'A', 
    '-',  '4',  '1',  'A',  'B',  '-',  'A',  '3', 
    'B',  'A',  '-',  '6',  'E',  '1',  '4',  'E', 
    '9',  '9',  '5',  'E',  '2',  'D',  'F',  '}', 
    0x66,  's',  'o',  'u',  'r',  'c',  'e',  0x78, 
    0x26,  '{',  '0',  '4',  '6',  '4',  '6',  '9', 
    '8',  'F',  '-',  '4',  'E',  '1',  '6',  '-', 
    '4',  '1',  '9',  '0',  '-',  'A',  'C',  '7', 
    '0',  '-',  '3',  'C',  '0',  '0',  '8',  'E', 
    'C',  '0',  '1',  '1',  '0',  'D',  '}',  0x64, 
    'n',  'a',  'm',  'e',  0x66,  'v',  'x',  'c', 
    'o',  'm',  'm',  0x66,  'p',  'r',  'o',  'g', 
    'I',  'd',  0x69,  'v',  'x',  '.',  'v',  'x', 
    'c',  'o',  'm',  'm',  0x6c,  'p',  'r',  'o', 
    'p',  'e',  'r',  't',  'y',  'P',  'a',  'g', 
    'e',  0x64,  'v',  'x',  'p',  'p',  0xa3,  0x67, 
    'c',  'l',  'a',  's',  's',  'I',  'd',  0x78, 
    0x26,  '{',  'C',  'C',  'E',  '9',  '5',  'C', 
    'C',  '8',  '-',  'A',  '0',  '7',  '6',  '-', 
    '4',  '3',  '4',  'E',  '-',  'A',  '4',  'D', 
    '6',  '-',  '7',  'C',  'A',  'C',  '2',  'E', 
    'E',  'C',  'D',  'D',  'E',  '7',  '}',  0x6a, 
    'i',  'n',  't',  'e',  'r',  'f',  'a',  'c', 
    'e',  's',  0xa1,  0x67,  'd',  'e',  'f',  'a', 
    'u',  'l',  't',  0x78,  0x26,  '{',  'A',  '0', 
    '3',  '9',  'C',  'F',  'F',  'C',  '-',  'C', 
    '7',  'D',  '5',  '-',  '4',  '6',  'E',  '9', 
    '-',  '9',  '2',  '2',  '1',  '-',  '9',  '4', 
    '3',  'D',  '8',  'B',  'B',  'B',  'B',  '8', 
    'E',  'F',  '}',  0x64,  'n',  'a',  'm',  'e', 
    0x64,  'v',  'x',  'p',  'p',  0x67,  'L',  'i', 
    'b',  'r',  'a',  'r',  'y',  0xa6,  0x67,  'c', 
    'o',  'n',  't',  'r',  'o',  'l',  0xf5,  0x64, 
    'h',  'e',  'l',  'p',  0x62,  'v',  'x',  0x62, 
    'i',  'd',  0x78,  0x26,  '{',  'D',  '1',  '9', 
    '4',  '7',  'A',  'C',  '1',  '-',  '8',  'D', 
    '8',  'E',  '-',  '4',  'B',  '6',  '6',  '-', 
    '9',  '9',  '3',  'B',  '-',  'A',  '5',  'A', 
    'F',  'B',  '4',  '9',  '0',  '2',  '0',  '8', 
    '0',  '}',  0x66,  'l',  'o',  'c',  'a',  'l', 
    'e',  0x19,  0x04,  0x09,  0x64,  'n',  'a',  'm', 
    'e',  0x62,  'v',  'x',  0x67,  'v',  'e',  'r', 
    's',  'i',  'o',  'n',  0x63,  '1',  '.',  '0', 
    0xff, 
};
QT_MOC_EXPORT_PLUGIN(vx::VxPlugin, VxPlugin)
#endif  // QT_MOC_EXPORT_PLUGIN_V2

QT_WARNING_POP
QT_END_MOC_NAMESPACE
