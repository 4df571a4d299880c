"""Reading a running program's window as a screen reader does, through AT-SPI."""
import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def accessible_tree(root):
    """Every accessible object under root, depth first."""
    stack = [root]
    while stack:
        node = stack.pop()
        yield node
        stack.extend(node.get_child_at_index(i) for i in range(node.get_child_count()))


def application(pid):
    """The accessible application of the process pid, or None while it has none."""
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def shown(app, role):
    """The names of app's objects of role, as a screen reader would read them."""
    return [node.get_name() for node in accessible_tree(app) if node.get_role() == role]
