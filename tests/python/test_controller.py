"""The controller and listener callbacks on the tracking library's threads."""

import gc
import sys
import threading
import time
import unittest

import quontest
import weakref

import Quon
import QuonPython as Q

from quontest import live_handles, run_python


def wait_until(condition, timeout=5.0):
    deadline = time.time() + timeout
    while time.time() < deadline:
        if condition():
            return True
        time.sleep(0.005)
    return condition()


class Recorder(Quon.Listener):
    """Counts events and notes the threads and arguments they came with."""

    def __init__(self):
        super(Recorder, self).__init__()
        self.events = []
        self.threads = set()
        self.frames = 0
        self.arguments = []

    def on_init(self, controller):
        self.events.append('init')

    def on_connect(self, controller):
        self.events.append('connect')

    def on_exit(self, controller):
        self.events.append('exit')

    def on_frame(self, controller):
        self.frames += 1
        self.threads.add(threading.current_thread().ident)
        if len(self.arguments) < 3:
            self.arguments.append((type(controller), controller.this.own()))


class ControllerFunctionTest(quontest.TestCase):
    def setUp(self):
        self.controller = Quon.Controller()


    def test_frames(self):
        c = self.controller
        self.assertTrue(wait_until(lambda: c.frame().is_valid))
        latest = Q.Controller_frame(c)
        self.assertIsInstance(latest, Quon.Frame)
        self.assertEqual(Q.Controller_frame(c, 0).id, Q.Controller_frame(c, 0).id)
        self.assertTrue(wait_until(lambda: c.frame(1).is_valid))
        self.assertTrue(c.frame(1).id < c.frame(0).id)
        self.assertIs(type(Q.Controller_now(c)), long)

    def test_overload_messages(self):
        c = self.controller
        self.assertRaisesMessage(
            NotImplementedError,
            "Wrong number or type of arguments for overloaded function 'Controller_frame'.\n"
            "  Possible C/C++ prototypes are:\n"
            "    Quon::Controller::frame(int) const\n"
            "    Quon::Controller::frame() const\n", Q.Controller_frame, c, 1, 2)
        self.assertRaisesMessage(NotImplementedError, "Wrong number or type of arguments for "
                                 "overloaded function 'Controller_frame'.\n  Possible C/C++ "
                                 "prototypes are:\n    Quon::Controller::frame(int) const\n"
                                 "    Quon::Controller::frame() const\n",
                                 Q.Controller_frame, c, 1.5)
        enable = ("Wrong number or type of arguments for overloaded function "
                  "'Controller_enable_gesture'.\n  Possible C/C++ prototypes are:\n"
                  "    Quon::Controller::enableGesture(Quon::Gesture::Type,bool) const\n"
                  "    Quon::Controller::enableGesture(Quon::Gesture::Type) const\n")
        self.assertRaisesMessage(NotImplementedError, enable, Q.Controller_enable_gesture, c,
                                 Q.Gesture_TYPE_SWIPE, 1)
        self.assertRaisesMessage(NotImplementedError, enable, Q.Controller_enable_gesture, c)
        new = ("Wrong number or type of arguments for overloaded function 'new_Controller'.\n"
               "  Possible C/C++ prototypes are:\n    Quon::Controller::Controller()\n"
               "    Quon::Controller::Controller(Quon::Listener &)\n")
        self.assertRaisesMessage(NotImplementedError, new, Q.new_Controller, 1)
        self.assertRaisesMessage(ValueError, "invalid null reference in method 'new_Controller', "
                                 "argument 1 of type 'Quon::Listener &'", Q.new_Controller, None)

    def test_argument_messages(self):
        c = self.controller
        self.assertRaisesMessage(ValueError, "invalid null reference in method "
                                 "'Controller_add_listener', argument 2 of type 'Quon::Listener &'",
                                 Q.Controller_add_listener, c, None)
        self.assertRaisesMessage(ValueError, "invalid null reference in method "
                                 "'Controller_remove_listener', argument 2 of type "
                                 "'Quon::Listener &'", Q.Controller_remove_listener, c, None)
        self.assertRaisesMessage(TypeError, "in method 'Controller_add_listener', argument 2 of "
                                 "type 'Quon::Listener &'", Q.Controller_add_listener, c, c)
        self.assertRaisesMessage(TypeError, "in method 'Controller_set_policy', argument 2 of "
                                 "type 'Quon::Controller::PolicyFlag'", Q.Controller_set_policy,
                                 c, 'x')
        self.assertRaisesMessage(TypeError, "in method 'Controller_is_gesture_enabled', argument "
                                 "2 of type 'Quon::Gesture::Type'", Q.Controller_is_gesture_enabled,
                                 c, None)
        # Overloaded: a wrong type matches no variant.
        self.assertRaises(NotImplementedError, Q.Controller_enable_gesture, c, 1.0)
        self.assertRaises(NotImplementedError, Q.Controller_frame, c, 2 ** 40)
        self.assertRaisesMessage(TypeError, "in method 'Controller_now', argument 1 of type "
                                 "'Quon::Controller const *'", Q.Controller_now, 3)
        self.assertRaisesMessage(TypeError, "in method 'Controller_devices_get', argument 1 of "
                                 "type 'Quon::Controller *'", Q.Controller_devices_get, 3)
        self.assertRaisesMessage(ValueError, "invalid null reference in method 'Controller_now', "
                                 "argument 1 of type 'Quon::Controller const *'",
                                 Q.Controller_now, None)
        self.assertIsNone(Q.delete_Controller(None))

    def test_policies_and_gestures(self):
        c = self.controller
        c.set_policy_flags(7)
        self.assertEqual(c.policy_flags, 7)
        self.assertIs(type(c.policy_flags), int)
        c.clear_policy(Q.Controller_POLICY_IMAGES)
        self.assertFalse(c.is_policy_set(Q.Controller_POLICY_IMAGES))
        self.assertTrue(c.is_policy_set(Q.Controller_POLICY_BACKGROUND_FRAMES))
        c.set_policy(Q.Controller_POLICY_IMAGES)
        self.assertTrue(c.is_policy_set(Q.Controller_POLICY_IMAGES))
        c.enable_gesture(Q.Gesture_TYPE_SWIPE)
        self.assertTrue(c.is_gesture_enabled(Q.Gesture_TYPE_SWIPE))
        Q.Controller_enable_gesture(c, Q.Gesture_TYPE_SWIPE, False)
        self.assertFalse(c.is_gesture_enabled(Q.Gesture_TYPE_SWIPE))

    def test_object_valued_properties_are_owned_copies(self):
        c = self.controller
        for name, cls in [('config', 'Config'), ('images', 'ImageList'),
                          ('located_screens', 'ScreenList'), ('devices', 'DeviceList'),
                          ('tracked_quad', 'TrackedQuad'), ('bug_report', 'BugReport')]:
            value = getattr(c, name)
            self.assertEqual(type(value).__name__, cls, name)
            self.assertIs(value.this.own(), True, name)
        self.assertIsInstance(c.is_connected, bool)
        self.assertIsInstance(c.has_focus, bool)
        self.assertIsInstance(c.is_service_connected(), bool)


class ListenerTest(quontest.TestCase):
    def test_callbacks_arrive_on_a_library_thread(self):
        listener = Recorder()
        controller = Quon.Controller(listener)
        self.assertTrue(wait_until(lambda: listener.frames >= 3))
        self.assertNotIn(threading.current_thread().ident, listener.threads)
        controller_type, owned = listener.arguments[0]
        self.assertIs(controller_type, Quon.Controller)
        self.assertIs(owned, False)
        self.assertTrue(controller.remove_listener(listener))
        self.assertEqual(listener.events[:2], ['init', 'connect'])
        self.assertEqual(listener.events[-1], 'exit')

    def test_remove_listener_is_synchronous(self):
        listener = Recorder()
        controller = Quon.Controller()
        for _ in range(20):
            self.assertTrue(controller.add_listener(listener))
            time.sleep(0.01)
            self.assertTrue(controller.remove_listener(listener))
            seen = listener.frames
            time.sleep(0.02)
            self.assertEqual(listener.frames, seen)

    def test_plain_listener_calls_nothing_in_python(self):
        calls = []
        original = Quon.Listener.on_frame
        Quon.Listener.on_frame = lambda self, controller: calls.append(1)
        try:
            plain, counting = Quon.Listener(), Recorder()
            controller = Quon.Controller()
            controller.add_listener(plain)
            controller.add_listener(counting)
            self.assertTrue(wait_until(lambda: counting.frames >= 5))
            controller.remove_listener(plain)
            controller.remove_listener(counting)
        finally:
            Quon.Listener.on_frame = original
        self.assertEqual(calls, [])

    def test_upcall_rule(self):
        calls = []

        class Echo(Quon.Listener):
            def on_frame(self, controller):
                calls.append('python')
                Quon.Listener.on_frame(self, controller)  # the base does nothing

        listener = Echo()
        controller = Quon.Controller()
        # Called with the served object itself, the event is an up-call: the
        # library's own callback runs, which does nothing.
        self.assertIsNone(Q.Listener_on_frame(listener, controller))
        self.assertEqual(calls, [])

        class Other(object):
            pass
        other = Other()
        other.this = listener.this
        Q.Listener_on_frame(other, controller)  # reaches the served object's method
        self.assertEqual(calls, ['python'])
        self.assertIsNone(Q.Listener_on_connect(listener, controller))
        self.assertEqual(calls, ['python'])

    def test_listener_function_messages(self):
        listener, controller = Recorder(), Quon.Controller()
        with self.assertRaises(TypeError) as caught:
            Q.Listener_on_init(controller, controller)
        self.assertEqual(str(caught.exception), "in method 'Listener_on_init', argument 1 of type "
                                                "'Quon::Listener *'")
        with self.assertRaises(TypeError) as caught:
            Q.Listener_on_frame(listener, listener)
        self.assertEqual(str(caught.exception), "in method 'Listener_on_frame', argument 2 of "
                                                "type 'Quon::Controller const &'")
        with self.assertRaises(ValueError) as caught:
            Q.Listener_on_images(listener, None)
        self.assertEqual(str(caught.exception), "invalid null reference in method "
                                                "'Listener_on_images', argument 2 of type "
                                                "'Quon::Controller const &'")
        with self.assertRaises(TypeError) as caught:
            Q.disown_Listener(controller)
        self.assertEqual(str(caught.exception), "in method 'disown_Listener', argument 1 of type "
                                                "'Quon::Listener *'")
        with self.assertRaises(TypeError) as caught:
            Q.delete_Listener(controller)
        self.assertEqual(str(caught.exception), "in method 'delete_Listener', argument 1 of type "
                                                "'Quon::Listener *'")

    def test_disown_takes_one_reference(self):
        listener = Recorder()
        before = sys.getrefcount(listener)
        Q.disown_Listener(listener)
        Q.disown_Listener(listener)
        self.assertEqual(sys.getrefcount(listener), before + 1)
        self.assertIsNone(Q.disown_Listener(Quon.Listener()))  # plain: nothing happens
        listener.this.disown()
        Q.delete_Listener(listener)
        self.assertEqual(sys.getrefcount(listener), before)

    def test_registered_listener_is_kept_alive(self):
        controller = Quon.Controller()
        listener = Recorder()
        alive = weakref.ref(listener)
        controller.add_listener(listener)
        del listener
        gc.collect()
        self.assertTrue(wait_until(lambda: alive() is not None and alive().frames >= 3))
        with self.assertRaises(RuntimeError):
            Q.delete_Listener(alive())
        self.assertTrue(controller.remove_listener(alive()))
        self.assertTrue(wait_until(lambda: alive() is None))

    def test_controller_passed_to_callback_is_borrowed(self):
        kept = []

        class Keeper(Quon.Listener):
            def on_frame(self, controller):
                if not kept:
                    kept.append(controller)

        listener = Keeper()
        controller = Quon.Controller(listener)
        self.assertTrue(wait_until(lambda: kept))
        controller.remove_listener(listener)
        del controller
        gc.collect()
        # The kept controller is a handle of its own now and still answers.
        self.assertIsInstance(kept[0].frame(), Quon.Frame)
        self.assertIsInstance(kept[0].is_connected, bool)


class SubprocessTest(quontest.TestCase):
    def test_exception_in_callback_is_printed_once_and_callbacks_continue(self):
        code, out, err = run_python('''
            import time, Quon
            class Failing(Quon.Listener):
                def __init__(self):
                    Quon.Listener.__init__(self)
                    self.frames = 0
                def on_frame(self, controller):
                    self.frames += 1
                    if self.frames == 1:
                        raise KeyError('first frame')
            listener = Failing()
            controller = Quon.Controller(listener)
            deadline = time.time() + 10
            while listener.frames < 5 and time.time() < deadline:
                time.sleep(0.01)
            controller.remove_listener(listener)
            print listener.frames >= 5
        ''')
        self.assertEqual(code, 0, err)
        self.assertEqual(out.strip(), 'True')
        self.assertEqual(err.count('Traceback (most recent call last)'), 1, err)
        self.assertIn("KeyError: 'first frame'", err)

    def test_missing_method_prints_attribute_error(self):
        code, out, err = run_python('''
            import time, QuonPython as Q, Quon
            class Bare(object):
                pass
            served = Bare()
            served.this = Q.new_Listener(served)
            controller = Quon.Controller()
            Q.Controller_add_listener(controller, served)
            time.sleep(0.1)
            Q.Controller_remove_listener(controller, served)
            print 'done'
        ''')
        self.assertEqual(code, 0, err)
        self.assertEqual(out.strip(), 'done')
        self.assertIn("AttributeError: 'Bare' object has no attribute 'on_frame'", err)

    def test_listener_may_remove_itself_and_poll_in_callbacks(self):
        code, out, err = run_python('''
            import time, Quon
            class Self(Quon.Listener):
                def __init__(self, controller):
                    Quon.Listener.__init__(self)
                    self.controller = controller
                    self.seen = 0
                    self.removed = None
                def on_frame(self, controller):
                    self.seen += 1
                    frames = [controller.frame(i).id for i in range(5)]
                    if self.seen == 3:
                        self.removed = self.controller.remove_listener(self)
            controller = Quon.Controller()
            listener = Self(controller)
            controller.add_listener(listener)
            deadline = time.time() + 10
            while listener.removed is None and time.time() < deadline:
                time.sleep(0.01)
            time.sleep(0.1)
            print listener.removed, listener.seen
        ''', timeout=60)
        self.assertEqual(code, 0, err)
        self.assertEqual(out.split(), ['True', '3'])

    def test_exit_with_listeners_registered(self):
        code, out, err = run_python('''
            import time, Quon
            class Busy(Quon.Listener):
                def on_frame(self, controller):
                    controller.frame().hands
            controllers = [Quon.Controller(Busy()) for _ in range(3)]
            time.sleep(0.2)
            print 'leaving'
        ''', timeout=60)
        self.assertEqual(code, 0, err)
        self.assertEqual(out.strip(), 'leaving')
        self.assertNotIn('Fatal', err)

    def test_deleting_the_callback_controller_frees_nothing(self):
        code, out, err = run_python('''
            import time, Quon, QuonPython as Q
            class Deleting(Quon.Listener):
                def __init__(self):
                    Quon.Listener.__init__(self)
                    self.frames = 0
                def on_frame(self, controller):
                    self.frames += 1
                    Q.delete_Controller(controller)   # only detaches the borrowed proxy
            listener = Deleting()
            controller = Quon.Controller(listener)
            deadline = time.time() + 10
            while listener.frames < 5 and time.time() < deadline:
                time.sleep(0.01)
            print listener.frames >= 5, controller.frame().is_valid
            controller.remove_listener(listener)
        ''', timeout=60)
        self.assertEqual(code, 0, err)
        self.assertEqual(out.split(), ['True', 'True'])

    def test_kept_callback_controller_survives_its_controller_even_if_acquired(self):
        code, out, err = run_python('''
            import time, Quon
            kept = []
            class Keeper(Quon.Listener):
                def on_frame(self, controller):
                    if not kept:
                        controller.this.acquire()   # claims ownership of a borrowed object
                        kept.append(controller)
            listener = Keeper()
            controller = Quon.Controller(listener)
            while not kept:
                time.sleep(0.01)
            controller.remove_listener(listener)
            del controller
            print kept[0].frame().is_valid in (True, False), kept[0].this.own()
        ''', timeout=60)
        self.assertEqual(code, 0, err)
        self.assertEqual(out.split(), ['True', 'True'])

    def test_removal_inside_a_callback_run_for_python_ends_the_registration(self):
        code, out, err = run_python('''
            import sys, threading, Quon, QuonPython as Q
            main = threading.current_thread()
            class Leaving(Quon.Listener):
                def on_frame(self, controller):
                    if threading.current_thread() is main:  # only the call run below
                        print controller.remove_listener(self)
            controller = Quon.Controller()
            listener = Leaving()
            controller.add_listener(listener)
            class Wrapper(object):
                pass
            other = Wrapper()
            other.this = listener.this
            Q.Listener_on_frame(other, controller)   # a library onExit happens inside
            print Q.delete_Listener(listener)         # no longer registered: deletable
        ''', timeout=60)
        self.assertEqual(code, 0, err)
        self.assertEqual(out.split(), ['True', 'None'])

    def test_served_object_may_die_before_its_listener(self):
        # Through the module functions a listener can outlive the object it
        # serves; callbacks then stop reaching it instead of a freed object.
        code, out, err = run_python('''
            import time, QuonPython as Q, Quon
            class Served(object):
                def on_frame(self, controller):
                    pass
            gone = Q.new_Listener(Served())        # its object dies at once
            numbered = Q.new_Listener(5)           # no weak reference: held instead
            controller = Quon.Controller()
            Q.Controller_add_listener(controller, gone)
            Q.Controller_add_listener(controller, numbered)
            time.sleep(0.2)
            print Q.Controller_remove_listener(controller, gone), \\
                Q.Controller_remove_listener(controller, numbered)
        ''', timeout=60)
        self.assertEqual(code, 0, err)
        self.assertEqual(out.split(), ['True', 'True'])
        self.assertIn("AttributeError: 'int' object has no attribute 'on_frame'", err)

    def test_exit_while_daemon_threads_use_controllers(self):
        # Threads still calling the module while the program ends: the
        # controllers' listeners are removed before the interpreter shuts down,
        # no new controller starts, and no controller is freed under a thread.
        code, out, err = run_python('''
            import threading, time, Quon
            class Polling(Quon.Listener):
                def on_frame(self, controller):
                    controller.frame(1).hands
            shared = Quon.Controller(Polling())
            def worker():
                kept = []
                while True:
                    shared.frame().hands
                    kept.append(Quon.Controller(Polling()))
                    del kept[:-3]
            for _ in range(4):
                thread = threading.Thread(target=worker)
                thread.daemon = True
                thread.start()
            time.sleep(0.3)
            print 'leaving'
        ''', timeout=120, env={'QUON_FPS': 'max'})
        self.assertEqual(code, 0, err)
        self.assertEqual(out.strip(), 'leaving')

    def test_stress_threads_and_controllers(self):
        code, out, err = run_python('''
            import threading, time, gc, Quon
            import quontest
            start = quontest.live_handles()
            stop = []
            class Counter(Quon.Listener):
                def __init__(self):
                    super(Counter, self).__init__()
                    self.frames = 0
                def on_frame(self, controller):
                    self.frames += 1
                    frame = controller.frame()
                    for hand in frame.hands:
                        hand.palm_position.magnitude
            main = Quon.Controller(Counter())
            def poll():
                while not stop:
                    frame = main.frame()
                    for hand in frame.hands:
                        for finger in hand.fingers:
                            finger.tip_position + hand.palm_position
            pollers = [threading.Thread(target=poll) for _ in range(3)]
            for t in pollers:
                t.start()
            for i in range(30):
                listener = Counter()
                c = Quon.Controller(listener)
                time.sleep(0.005)
                if i % 2:
                    c.remove_listener(listener)
                del c, listener
            stop.append(1)
            for t in pollers:
                t.join()
            del main
            gc.collect()
            time.sleep(0.2)
            gc.collect()
            print quontest.live_handles() - start
        ''', timeout=240, env={'PYTHONPATH': ':'.join(sys.path)})
        self.assertEqual(code, 0, err)
        self.assertEqual(out.strip(), '0')


if __name__ == '__main__':
    unittest.main()
