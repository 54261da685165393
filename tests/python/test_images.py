"""Images, masks and the tracked quad from a live controller, the copies of
their data into raw arrays with the buffer checks, and their lists."""

import os
import tempfile
import time
import unittest

os.environ['QUON_CONFIG'] = os.path.join(tempfile.mkdtemp(), 'config.cfg')

import QuonPython as Q
import Quon

from quontest import live_handles, run_python

if not hasattr(Quon, 'Vector'):
    # Until the companion has its Vector, owned vector results need a class
    # with a destroy function so that they are freed.
    class _Vector(object):
        __swig_destroy__ = Q.delete_Vector
    Q.Vector_swigregister(_Vector)


def controller_with_images():
    controller = Quon.Controller()
    controller.set_policy(Quon.Controller.POLICY_IMAGES)
    deadline = time.time() + 10
    while time.time() < deadline:
        if len(controller.images) and controller.tracked_quad.is_valid:
            return controller
        time.sleep(0.02)
    raise AssertionError('no images from the controller')


class ImageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.controller = controller_with_images()

    @classmethod
    def tearDownClass(cls):
        del cls.controller

    def test_pixels_copied_out_are_the_librarys(self):
        image = self.controller.images[0]
        self.assertTrue(image.is_valid)
        size = image.width * image.height * image.bytes_per_pixel
        self.assertGreater(size, 0)
        first = Quon.byte_array(size)
        self.assertIsNone(Q.Image_data(image, first))
        second = image.pixels()
        self.assertEqual(len(second), size)
        self.assertEqual(str(bytearray(first[i] for i in xrange(size))), second)
        self.assertGreater(len(set(second)), 1)
        self.assertEqual(image.data_string, second)
        self.assertEqual(image.format, Q.Image_INFRARED)
        self.assertIs(type(image.sequence_id), long)
        self.assertIs(type(image.timestamp), long)
        self.assertIs(type(image.id), int)

    def test_distortion_copy(self):
        image = self.controller.images[0]
        count = image.distortion_width * image.distortion_height
        grid = image.distortion
        values = [grid[i] for i in xrange(count)]
        with self.assertRaises(IndexError):
            grid[count]
        again = Quon.float_array(count)
        Q.Image_distortion(image, again)
        self.assertEqual([again[i] for i in xrange(count)], values)
        self.assertGreater(len(set(values)), 1)

    def test_buffers_known_to_be_short_or_none_are_refused(self):
        image = self.controller.images[0]
        size = image.width * image.height * image.bytes_per_pixel
        short = Quon.byte_array(size - 1)
        short[size - 2] = 42
        with self.assertRaises(ValueError) as caught:
            Q.Image_data(image, short)
        self.assertEqual(str(caught.exception), "in method 'Image_data', the buffer holds %d bytes "
                         "but %d are needed" % (size - 1, size))
        self.assertEqual(short[size - 2], 42)      # nothing was written
        # A view from an address inside a block knows only what remains.
        big = Quon.byte_array(size + 10)
        inside = Q.byte_array_frompointer(Q.byte_array_cast(Q.byte_array_frompointer(big.cast())))
        Q.Image_data(image, inside)
        with self.assertRaises(ValueError):
            Q.Image_distortion(image, Quon.float_array(3))
        with self.assertRaises(ValueError) as caught:
            Q.Image_data(image, None)
        self.assertEqual(str(caught.exception), "invalid null reference in method 'Image_data', "
                         "argument 2 of type 'unsigned char *'")
        with self.assertRaises(ValueError) as caught:
            Q.Image_distortion(image, None)
        self.assertEqual(str(caught.exception), "invalid null reference in method "
                         "'Image_distortion', argument 2 of type 'float *'")
        with self.assertRaises(TypeError) as caught:
            Q.Image_data(image, Quon.float_array(size))
        self.assertEqual(str(caught.exception),
                         "in method 'Image_data', argument 2 of type 'unsigned char *'")
        with self.assertRaises(TypeError) as caught:
            Q.Image_distortion(image, Quon.byte_array(size))
        self.assertEqual(str(caught.exception),
                         "in method 'Image_distortion', argument 2 of type 'float *'")
        with self.assertRaises(TypeError) as caught:
            Q.Image_data(Quon.Mask(), Quon.byte_array(1))
        self.assertEqual(str(caught.exception),
                         "in method 'Image_data', argument 1 of type 'Quon::Image const *'")
        # An invalid image has no pixels: any buffer, even an empty one, will do.
        self.assertIsNone(Q.Image_data(Quon.Image(), Quon.byte_array(0)))

    def test_data_pointers_are_opaque_and_free_nothing(self):
        image = self.controller.images[0]
        before = live_handles()
        first = image.data_pointer
        second = Q.Image_data_pointer_get(image)
        self.assertEqual(int(first), int(second))
        self.assertFalse(first.own())
        self.assertEqual(repr(first)[:34], "<Swig Object of type 'void *' at 0")
        distortion = image.distortion_pointer
        self.assertNotEqual(int(distortion), int(first))
        with self.assertRaises(TypeError):
            Quon.byte_array.frompointer(first)
        del first, second, distortion
        self.assertEqual(live_handles(), before)
        self.assertEqual(image.pixels(), image.pixels())   # the buffer is still the library's
        self.assertIsNone(Quon.Image().data_pointer)

    def test_rectify_warp_comparison_and_strings(self):
        image = self.controller.images[0]
        point = Q.new_Vector(320.0, 120.0, 0.0)
        ray = image.rectify(point)
        back = image.warp(ray)
        self.assertAlmostEqual(Q.Vector_x_get(back), 320.0, places=2)
        with self.assertRaises(ValueError) as caught:
            image.warp(None)
        self.assertEqual(str(caught.exception), "invalid null reference in method 'Image_warp', "
                         "argument 2 of type 'Quon::Vector const &'")
        images = self.controller.images
        self.assertTrue(images[0] == images[0])
        self.assertTrue(images[0] != images[1])
        self.assertFalse(image == 'image')
        self.assertTrue(str(image).startswith('Image Id:'))
        self.assertFalse(Q.cvar.Image_invalid.is_valid)

    def test_masks_and_tracked_quad(self):
        quad = self.controller.tracked_quad
        self.assertTrue(quad.is_valid and quad == quad)
        self.assertIsInstance(quad.masks, Quon.MaskList)
        self.assertIsInstance(quad.images, Quon.ImageList)
        self.assertIs(type(quad.width), float)
        self.assertIs(type(quad.visible), bool)
        mask = quad.masks[0]
        data = mask.data
        pixels = [data[i] for i in xrange(mask.width * mask.height)]
        with self.assertRaises(IndexError):
            data[mask.width * mask.height]
        with self.assertRaises(ValueError) as caught:
            Q.Mask_data(mask, Quon.byte_array(5))
        self.assertEqual(str(caught.exception), "in method 'Mask_data', the buffer holds 5 bytes "
                         "but %d are needed" % (mask.width * mask.height))
        self.assertGreater(len(set(pixels)), 1)
        self.assertEqual(int(mask.data_pointer), int(Q.Mask_data_pointer_get(mask)))
        invalid = Q.Mask_invalid()
        self.assertIsInstance(invalid, Quon.Mask)
        self.assertFalse(invalid.this.own())
        self.assertFalse(invalid.is_valid)
        self.assertEqual(int(invalid.this), int(Quon.Mask.invalid().this))
        with self.assertRaises(TypeError):
            Q.Mask_invalid(1)
        self.assertTrue(str(mask).startswith('Mask Id:'))
        self.assertFalse(Q.cvar.TrackedQuad_invalid.is_valid)

    def test_lists_are_sequences(self):
        images = self.controller.images
        count = len(images)
        self.assertIs(type(Q.ImageList___len__(images)), int)
        self.assertEqual(images[-1], images[count - 1])
        with self.assertRaises(IndexError):
            images[count]
        with self.assertRaises(IndexError):
            images[-count - 1]
        self.assertEqual(len(list(images)), count)
        # The module itself checks no range: the library's invalid element.
        self.assertFalse(Q.ImageList___getitem__(images, count).is_valid)
        with self.assertRaises(TypeError) as caught:
            Q.ImageList___getitem__(images, 1.0)
        self.assertEqual(str(caught.exception), "in method 'ImageList___getitem__', argument 2 of type 'int'")
        joined = Quon.ImageList()
        self.assertTrue(joined.is_empty)
        result = Q.ImageList_append(joined, images)
        self.assertEqual(int(result.this), int(joined.this))
        self.assertFalse(result.this.own())
        self.assertEqual(len(joined), count)
        self.assertIs(joined.append(images), joined)
        self.assertEqual(len(joined), 2 * count)
        with self.assertRaises(ValueError) as caught:
            Q.ImageList_append(joined, None)
        self.assertEqual(str(caught.exception), "invalid null reference in method "
                         "'ImageList_append', argument 2 of type 'Quon::ImageList const &'")
        with self.assertRaises(TypeError) as caught:
            Q.MaskList_append(Quon.MaskList(), images)
        self.assertEqual(str(caught.exception),
                         "in method 'MaskList_append', argument 2 of type 'Quon::MaskList const &'")
        masks = Quon.MaskList().append(self.controller.tracked_quad.masks)
        self.assertEqual(len(masks), len(self.controller.tracked_quad.masks))


class LeakTest(unittest.TestCase):
    def test_every_class_is_released(self):
        code, out, err = run_python("""
            import os, sys, tempfile, time
            sys.path.insert(0, %r)
            os.environ['QUON_CONFIG'] = os.path.join(tempfile.mkdtemp(), 'c.cfg')
            os.environ['QUON_BUGREPORT'] = os.path.join(tempfile.mkdtemp(), 'r.qrec')
            import Quon, QuonPython as Q, iterator_peer
            if not hasattr(Quon, 'Vector'):
                class _Vector(object):
                    __swig_destroy__ = Q.delete_Vector
                Q.Vector_swigregister(_Vector)
                class _Matrix(object):
                    __swig_destroy__ = Q.delete_Matrix
                Q.Matrix_swigregister(_Matrix)
            from quontest import live_handles
            start = live_handles()
            c = Quon.Controller()
            c.set_policy(Quon.Controller.POLICY_IMAGES)
            while not (len(c.images) and c.tracked_quad.is_valid):
                time.sleep(0.02)
            for round in range(3):
                for image in c.images:
                    image.pixels(); image.distortion; image.data_pointer; str(image)
                    image.rectify(Q.new_Vector(1, 2, 0)); image == image
                quad = c.tracked_quad
                for mask in quad.masks:
                    mask.data; mask.data_pointer; str(mask)
                quad.images.append(c.images); quad.orientation; quad.position; str(quad)
                screens = c.located_screens
                screen = screens[0]
                screen.intersect(Q.new_Vector(0, 200, 0), Q.new_Vector(0, 0, -1), True)
                screen.project(Q.new_Vector(0, 200, 0), False); screen.normal()
                screens.closest_screen(Q.new_Vector(0, 0, 0)); str(screen)
                for device in Quon.DeviceList().append(c.devices):
                    device.serial_number; device.position; device.orientation; str(device)
                config = c.config
                config.set('leak_key', 1.5); config.get('leak_key'); config.get_string('device_name')
                report = c.bug_report
                report.is_active; report.progress
                Quon.Image(); Quon.Mask(); Quon.TrackedQuad(); Quon.Screen(); Quon.Device()
                Quon.Config(); Quon.BugReport(); Quon.ScreenList(); Quon.MaskList()
                it = iterator_peer.iterator([1, 2]); list(it + 0)
                Quon.byte_array(3); Quon.float_array(3)
                try:
                    Q.Image_data(c.images[0], Quon.byte_array(1))
                except ValueError:
                    pass
            del c, image, quad, mask, screens, screen, device, config, report, it
            deadline = time.time() + 10
            while live_handles() != start and time.time() < deadline:
                time.sleep(0.05)
            print live_handles() - start, iterator_peer.live()
        """ % os.path.dirname(os.path.abspath(__file__)))
        self.assertEqual(code, 0, err)
        self.assertEqual(out.split(), ['0', '0'], err)


if __name__ == '__main__':
    unittest.main()
