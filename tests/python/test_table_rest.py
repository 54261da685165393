"""The method-table order of the image, screen, device, configuration, list,
raw-array and iterator blocks. A builtin function points at its entry of the
method table, so sorting the module's functions by that address gives the
table's order."""

import ctypes
import unittest

import QuonPython as Q


class _CFunction(ctypes.Structure):
    _fields_ = [('refcnt', ctypes.c_ssize_t), ('type', ctypes.c_void_p), ('ml', ctypes.c_void_p)]


def table_order():
    functions = [(name, value) for name, value in vars(Q).items()
                 if type(value).__name__ == 'builtin_function_or_method']
    entry = lambda f: _CFunction.from_address(id(f)).ml
    return [name for name, _ in sorted(functions, key=lambda item: entry(item[1]))]


def list_block(cls, extra):
    return (['new_%s' % cls, '%s___len__' % cls, '%s___getitem__' % cls] + extra +
            ['%s_is_empty_get' % cls, 'delete_%s' % cls, '%s_swigregister' % cls])


BLOCKS = [
    ['delete_SwigPyIterator'] + ['SwigPyIterator_' + n for n in (
        'value', 'incr', 'decr', 'distance', 'equal', 'copy', 'next', '__next__', 'previous',
        'advance', '__eq__', '__ne__', '__iadd__', '__isub__', '__add__', '__sub__',
        'swigregister')],
    ['new_byte_array', 'delete_byte_array', 'byte_array___getitem__', 'byte_array___setitem__',
     'byte_array_cast', 'byte_array_frompointer', 'byte_array_swigregister'],
    ['new_float_array', 'delete_float_array', 'float_array___getitem__',
     'float_array___setitem__', 'float_array_cast', 'float_array_frompointer',
     'float_array_swigregister'],
    ['new_Screen', 'Screen_intersect', 'Screen_project', 'Screen_normal',
     'Screen_distance_to_point', 'Screen___eq__', 'Screen___ne__', 'Screen___str__',
     'Screen_id_get', 'Screen_horizontal_axis_get', 'Screen_vertical_axis_get',
     'Screen_bottom_left_corner_get', 'Screen_width_pixels_get', 'Screen_height_pixels_get',
     'Screen_is_valid_get', 'delete_Screen', 'Screen_swigregister'],
    ['new_Device', 'Device_distance_to_boundary', 'Device___eq__', 'Device___ne__',
     'Device___str__'] + ['Device_%s_get' % n for n in (
         'horizontal_view_angle', 'vertical_view_angle', 'range', 'baseline', 'is_valid',
         'is_embedded', 'is_streaming', 'is_flipped', 'type', 'serial_number', 'position',
         'orientation')] + ['delete_Device', 'Device_swigregister'],
    ['new_Image', 'Image_data', 'Image_distortion', 'Image_rectify', 'Image_warp',
     'Image___eq__', 'Image___ne__', 'Image___str__'] + ['Image_%s_get' % n for n in (
         'sequence_id', 'id', 'width', 'height', 'bytes_per_pixel', 'format',
         'distortion_width', 'distortion_height', 'ray_offset_x', 'ray_offset_y', 'ray_scale_x',
         'ray_scale_y', 'timestamp', 'is_valid', 'data_pointer', 'distortion_pointer')] +
    ['delete_Image', 'Image_swigregister'],
    ['new_Mask', 'Mask_data', 'Mask_invalid', 'Mask___eq__', 'Mask___ne__', 'Mask___str__'] +
    ['Mask_%s_get' % n for n in ('sequence_id', 'id', 'width', 'height', 'offset_x', 'offset_y',
                                 'is_valid', 'data_pointer')] + ['delete_Mask', 'Mask_swigregister'],
    list_block('ScreenList', ['ScreenList_closest_screen_hit', 'ScreenList_closest_screen']),
    list_block('DeviceList', ['DeviceList_append']),
    list_block('ImageList', ['ImageList_append']),
    ['new_TrackedQuad', 'TrackedQuad___eq__', 'TrackedQuad___ne__', 'TrackedQuad___str__'] +
    ['TrackedQuad_%s_get' % n for n in ('width', 'height', 'resolution_x', 'resolution_y',
                                        'visible', 'orientation', 'position', 'masks', 'images',
                                        'is_valid')] + ['delete_TrackedQuad', 'TrackedQuad_swigregister'],
    list_block('MaskList', ['MaskList_append']),
    ['new_BugReport', 'BugReport_begin_recording', 'BugReport_end_recording',
     'BugReport_is_active_get', 'BugReport_progress_get', 'BugReport_duration_get',
     'delete_BugReport', 'BugReport_swigregister'],
    ['new_Config', 'Config_type', 'Config_get_bool', 'Config_set_bool', 'Config_get_int_32',
     'Config_set_int_32', 'Config_get_float', 'Config_set_float', 'Config_get_string',
     'Config_set_string', 'Config_save', 'delete_Config', 'Config_swigregister'],
]


class TableTest(unittest.TestCase):
    def test_blocks_are_contiguous_and_in_order(self):
        order = table_order()
        self.assertEqual(order[:2], ['SWIG_PyInstanceMethod_New', 'delete_SwigPyIterator'])
        sizes = [18, 7, 7, 17, 19, 26, 16, 8, 7, 7, 16, 7, 8, 13]
        self.assertEqual([len(block) for block in BLOCKS], sizes)
        for block in BLOCKS:
            start = order.index(block[0])
            self.assertEqual(order[start:start + len(block)], block)
        self.assertEqual(order[1 + 18:1 + 18 + 14], BLOCKS[1] + BLOCKS[2])
        # Image and Mask follow Device directly; TrackedQuad stands between
        # ImageList and MaskList.
        for before, after in ((4, 5), (5, 6), (9, 10), (10, 11), (12, 13)):
            self.assertEqual(order.index(BLOCKS[after][0]),
                             order.index(BLOCKS[before][-1]) + 1)


if __name__ == '__main__':
    unittest.main()
