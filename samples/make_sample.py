#!/usr/bin/env python3
"""Writes the sample Delphi 2.0 installation's SOURCE tree from the declaration table.

usage: make_sample.py TABLE OUTDIR          write the tree
       make_sample.py --check TABLE TREE   list what differs between TREE and the table's output

The table (vcl-table.txt) names the 49 units with their files, uses lists and classes; this
script adds the private and protected parts every class needs (storage fields, getters, setters,
event dispatchers, a change notification) and writes every method body from the templates below.
The output depends on nothing but the table: the same table gives the same bytes.
"""
import os
import re
import sys
import zlib

BOOL, INT, STR = 'bool', 'int', 'str'
INT_TYPES = {'Integer', 'Longint', 'Cardinal', 'Word', 'Byte', 'SmallInt', 'TColor', 'TCursor',
             'TModalResult', 'TShortCut', 'THandle', 'HWnd', 'HResult'}
STR_TYPES = {'string', 'ShortString', 'TCaption'}
NOTIFY = 'StateChanged'
SLOTS = 63  # last index of the fixed store behind an array property


def category(type_name):
    if type_name == 'Boolean':
        return BOOL
    if type_name in INT_TYPES:
        return INT
    if type_name in STR_TYPES:
        return STR
    return None


def neutral(type_name):
    cat = category(type_name)
    if cat == BOOL:
        return 'False'
    if cat == INT:
        return '0'
    if cat == STR:
        return "''"
    return 'nil'


def pick(key, items):
    """A fixed choice among items for key, the same on every run."""
    return items[zlib.crc32(key.encode()) % len(items)] if items else None


def pattern_match(pattern, name):
    if pattern.startswith('*'):
        return name.endswith(pattern[1:]) and len(name) > len(pattern) - 1
    if pattern.endswith('*'):
        return name.startswith(pattern[:-1]) and len(name) > len(pattern) - 1
    return name == pattern


class Member:
    def __init__(self, name, vis, kind, cond=None):
        self.name, self.vis, self.kind, self.cond = name, vis, kind, cond
        self.type = None        # field or property type, function result
        self.role = 'plain'     # how the generator treats it (declaration and body)
        self.head = 'procedure'  # procedure, function, constructor, destructor
        self.params = ''        # parameter list without parentheses
        self.is_class = False
        self.directive = ''     # virtual; override; dynamic; abstract ...
        self.specifiers = ''          # property specifiers after the type
        self.index = ''         # array property index list
        self.default = None     # property default value
        self.readonly = False
        self.stored = False
        self.target = None      # the property a generated member serves
        self.message = None     # message constant of a handler
        self.field = None       # the field behind a property


class Class:
    def __init__(self, name, ancestor, flags, unit):
        self.name, self.ancestor, self.flags, self.unit = name, ancestor, flags, unit
        self.members = []       # from the table, in table order
        self.generated = []     # storage, accessors, dispatchers
        self.redeclared = []    # published again without a type
        self.messages = []      # (constant, handler name)
        self.body_words = []    # preferred names for the plain method bodies
        self.parent = None
        self.notifies = False   # declares the change notification itself


class Unit:
    def __init__(self, name, path, crlf):
        self.name, self.path, self.crlf = name, path, crlf
        self.uses, self.impl_uses = [], []
        self.consts, self.decls, self.forwards, self.classrefs = [], [], [], []
        self.classes = []


class Table:
    def __init__(self):
        self.types, self.returns, self.owned = [], [], {}
        self.units, self.classes = [], {}

    def prop_type(self, name, event=False):
        if event:
            return next((t for p, t in self.types if p.startswith('On') and pattern_match(p, name)), 'TNotifyEvent')
        return next((t for p, t in self.types if pattern_match(p, name)), 'Integer')

    def result_type(self, name):
        return next((t for p, t in self.returns if pattern_match(p, name)), None)


SIG = re.compile(r'^(class\s+)?(procedure|function|constructor|destructor)\s+(\w+)\s*'
                 r'(?:\((.*)\))?\s*(?::\s*(\w+))?\s*(.*)$')
PROP = re.compile(r'^(\w+)\s*(?:\[(.*)\])?\s*:\s*(\w+)\s*(.*)$')


def read_table(path):
    table, unit, cls = Table(), None, None
    for number, raw in enumerate(open(path, encoding='latin-1').read().split('\n'), 1):
        line = raw.split('#', 1)[0].rstrip() if not raw.lstrip().startswith(('decl', 'const')) else raw.rstrip()
        if not line.strip():
            continue
        words = line.split()
        head = words[0]
        try:
            if head == 'type':
                table.types.append((words[1], words[2]))
            elif head == 'returns':
                table.returns.append((words[1], words[2]))
            elif head == 'owned':
                table.owned[words[1]] = words[2] if len(words) > 2 else words[1]
            elif head == 'unit':
                unit, cls = Unit(words[1], words[2], 'crlf' in words[3:]), None
                table.units.append(unit)
            elif head == 'class':
                cls = Class(words[1], words[2], set(words[3:]), unit)
                if cls.name in table.classes:
                    raise ValueError('class declared twice')
                table.classes[cls.name] = cls
                unit.classes.append(cls)
            elif head in ('uses', 'impl', 'forward'):
                {'uses': unit.uses, 'impl': unit.impl_uses, 'forward': unit.forwards}[head].extend(words[1:])
            elif head == 'classref':
                unit.classrefs.append((words[1], words[2]))
            elif head == 'decl':
                unit.decls.append(line.strip()[5:])
            elif head == 'const':
                unit.consts.append(line.strip()[6:])
            elif head == 'message':
                cls.messages.append((words[1], words[2]))
            elif head == 'body':
                cls.body_words.extend(words[1:])
            else:
                cond = None
                if head.startswith('?'):
                    cond, words = head[1:], words[1:]
                read_members(table, cls, words, line, cond)
        except (ValueError, IndexError, AttributeError) as error:
            sys.exit('%s:%d: %s: %s' % (path, number, error, raw))
    return table


def read_members(table, cls, words, line, cond):
    vis, kind = words[0], words[1]
    if vis not in ('published', 'public', 'automated'):
        raise ValueError('unknown visibility')
    rest = line.split(kind, 1)[1].strip()
    if kind == 'method':
        m = SIG.match(rest)
        if not m:
            raise ValueError('unreadable method')
        member = Member(m.group(3), vis, 'method', cond)
        member.is_class, member.head = bool(m.group(1)), m.group(2)
        member.params, member.type = m.group(4) or '', m.group(5)
        member.directive = m.group(6).strip()
        member.role = 'explicit'
        cls.members.append(member)
    elif kind == 'prop':
        m = PROP.match(rest)
        if not m:
            raise ValueError('unreadable property')
        member = Member(m.group(1), vis, 'prop', cond)
        member.index, member.type = m.group(2) or '', m.group(3)
        member.default = 'array' if m.group(4).strip() == 'default' else None
        cls.members.append(member)
    elif kind == 'methods':
        for name in words[2:]:
            cls.members.append(Member(name, vis, 'method', cond))
    elif kind in ('props', 'events'):
        for token in words[2:]:
            m = re.match(r'^(\w+)(!?)(\??)(?:=(\S+))?$', token)
            if not m:
                raise ValueError('unreadable property ' + token)
            member = Member(m.group(1), vis, 'prop', cond)
            member.readonly, member.stored, member.default = bool(m.group(2)), bool(m.group(3)), m.group(4)
            member.type = table.prop_type(member.name, kind == 'events')
            cls.members.append(member)
    elif kind == 'fields':
        for token in words[2:]:
            name, _, type_name = token.partition(':')
            member = Member(name, vis, 'field', cond)
            member.type = type_name or table.prop_type(name)
            cls.members.append(member)
    elif kind == 'redeclare':
        cls.redeclared.extend(words[2:])
    else:
        raise ValueError('unknown member kind')


# ---------------------------------------------------------------- the class model

def ancestors(cls):
    c = cls.parent
    while c is not None:
        yield c
        c = c.parent


def find_method(cls, name):
    """The nearest declaration of method name in cls's ancestors."""
    for c in ancestors(cls):
        for m in c.members + c.generated:
            if m.kind == 'method' and m.name.upper() == name.upper():
                return c, m
    return None, None


def all_members(cls):
    return cls.members + cls.generated


def index_params(index):
    names = []
    for part in index.split(';'):
        ids, _, type_name = part.partition(':')
        ids = ids.replace('const ', '').replace('var ', '')
        names += [(n.strip(), type_name.strip()) for n in ids.split(',') if n.strip()]
    return names


def param_names(params):
    return index_params(params) if params else []


def build(table):
    order = [c for u in table.units for c in u.classes]
    seen = set()
    for c in order:
        if c.ancestor != c.name:
            if c.ancestor not in seen:
                sys.exit('%s: ancestor %s is not declared before it' % (c.name, c.ancestor))
            c.parent = table.classes[c.ancestor]
        seen.add(c.name)
    # A method that a descendant declares again is virtual where it is first declared; the
    # abstract interface classes declare their own methods and make nothing virtual.
    overridden = set()
    for c in order:
        if 'abstract' in c.flags:
            continue
        for m in c.members:
            if m.kind == 'method':
                for a in ancestors(c):
                    overridden.add((a.name, m.name.upper()))
    for c in order:
        shape_methods(table, c, overridden)
        add_storage(table, c)
        check_names(c)


def shape_methods(table, c, overridden):
    abstract = 'abstract' in c.flags
    for m in c.members:
        if m.kind != 'method':
            continue
        if m.role == 'explicit':
            if m.directive == 'static;':
                m.directive = ''
            elif not m.directive:
                owner, inherited = find_method(c, m.name)
                if inherited is not None and virtual(inherited):
                    m.directive = 'override;'
                elif (c.name, m.name.upper()) in overridden and (m.head != 'constructor' or is_component(c)):
                    m.directive = 'virtual;'
            continue
        if m.name == 'Destroy':
            m.head = 'destructor'
        elif m.name == 'Create':
            m.head = 'constructor'
        owner, inherited = (None, None) if abstract else find_method(c, m.name)
        if inherited is not None and (virtual(inherited) or m.name == 'Create'):
            m.head, m.params, m.type, m.is_class = inherited.head, inherited.params, inherited.type, inherited.is_class
            if virtual(inherited):
                m.role, m.directive = 'override', 'override;'
                m.ancestor_abstract = 'abstract' in inherited.directive
            continue
        if m.head == 'constructor':
            m.params = 'AOwner: TComponent' if is_component(c) else ''
        elif m.head == 'procedure':
            result = table.result_type(m.name)
            if abstract:
                result = result or 'HResult'
            if result:
                m.head, m.type = 'function', result
        if abstract:
            m.directive = 'virtual; stdcall; abstract;'
        elif (c.name, m.name.upper()) in overridden and (m.head != 'constructor' or is_component(c)):
            m.directive = 'virtual;'


def virtual(m):
    return any(word in m.directive for word in ('virtual;', 'override;', 'dynamic;'))


def is_component(c):
    return any(a.name == 'TComponent' for a in [c] + list(ancestors(c)))


def has_notify(c):
    return any(a.notifies for a in [c] + list(ancestors(c)))


def add_storage(table, c):
    gen = c.generated

    taken = {m.name.upper() for m in c.members}

    def add(name, vis, kind, role, type_name=None, target=None, head='procedure', params=''):
        # An accessor whose usual name is a public member already gets a name of its own.
        for candidate in (name, name + 'Value', name + 'Data'):
            if candidate.upper() not in taken:
                name = candidate
                break
        taken.add(name.upper())
        m = Member(name, vis, kind, target.cond if target else None)
        m.role, m.type, m.target, m.head, m.params = role, type_name, target, head, params
        gen.append(m)
        return m

    needs_notify = 'notify' in c.flags or bool(c.messages)
    for p in [m for m in c.members if m.kind == 'prop']:
        field = 'F' + p.name
        if p.name.startswith('On'):
            field = add(field, 'private', 'field', 'store', p.type, p).name
            p.specifiers = 'read %s write %s' % (field, field)
            p.field = field
            if p.type == 'TNotifyEvent':
                d = add('Signal' + p.name[2:], 'protected', 'method', 'signal', target=p)
                d.directive = 'dynamic;'
            continue
        if p.index:
            p.field = add(field, 'private', 'field', 'slots', 'array[0..%d] of %s' % (SLOTS, p.type), p).name
            p.specifiers = 'read ' + add('Get' + p.name, 'private', 'method', 'slotget', p.type, p, 'function', p.index).name
            if not p.readonly:
                p.specifiers += ' write ' + add('Set' + p.name, 'private', 'method', 'slotset', None, p, 'procedure',
                                          p.index + '; const Value: ' + p.type).name
                needs_notify = True
            continue
        p.field = add(field, 'private', 'field', 'store', p.type, p).name
        if p.vis == 'published':
            p.specifiers = 'read ' + p.field
        else:
            p.specifiers = 'read ' + add('Get' + p.name, 'private', 'method', 'getter', p.type, p, 'function').name
        if not p.readonly:
            p.specifiers += ' write ' + add('Set' + p.name, 'private', 'method', 'setter', None, p, 'procedure',
                                      'const Value: ' + p.type).name
            needs_notify = True
        if p.stored:
            p.specifiers += ' stored ' + add('Is%sStored' % p.name, 'private', 'method', 'stored', 'Boolean', p, 'function').name
        if p.default is not None:
            p.specifiers += ' default ' + p.default
    for constant, handler in c.messages:
        m = add(handler, 'private', 'method', 'message', params='var Msg: TMessage')
        m.message = constant
        m.directive = 'message %s;' % constant
    if needs_notify and not has_notify(c):
        c.notifies = True
        add('FChangeCount', 'private', 'field', 'counter', 'Integer')
        m = add(NOTIFY, 'protected', 'method', 'notify')
        m.directive = 'virtual;'
    own = [m.name for m in c.members]
    if (owned_fields(table, c) or defaults(c)) and 'Create' not in own and 'abstract' not in c.flags:
        owner, base = find_method(c, 'Create')
        m = Member('Create', 'public', 'method')
        m.head, m.role = 'constructor', 'override'
        m.params = base.params if base else ''
        m.directive = 'override;' if base and virtual(base) else ''
        c.members.insert(0, m)
    if owned_fields(table, c) and 'Destroy' not in own:
        m = Member('Destroy', 'public', 'method')
        m.head, m.role, m.directive = 'destructor', 'override', 'override;'
        c.members.insert(1 if c.members and c.members[0].name == 'Create' else 0, m)


def owned_fields(table, c):
    return [m for m in c.generated if m.role == 'store' and m.type in table.owned
            and m.type != c.name and table.owned[m.type] != c.name]


def defaults(c):
    return [m for m in c.generated if m.role == 'store' and m.target and m.target.default not in (None, 'array')]


def check_names(c):
    names = {}
    for m in all_members(c):
        key = m.name.upper()
        if key in names:
            sys.exit('%s: member %s declared twice' % (c.name, m.name))
        names[key] = m


# ---------------------------------------------------------------- declarations

def heading(m, qualifier=''):
    text = ('class ' if m.is_class else '') + m.head + ' ' + qualifier + m.name
    if m.params:
        text += '(' + m.params + ')'
    if m.head == 'function':
        text += ': ' + m.type
    return text + ';'


def declaration(m):
    if m.kind == 'field':
        return '%s: %s;' % (m.name, m.type)
    if m.kind == 'method':
        return heading(m) + (' ' + m.directive if m.directive else '')
    index = '[%s]' % m.index if m.index else ''
    text = 'property %s%s: %s %s;' % (m.name, index, m.type, m.specifiers)
    return text + (' default;' if m.default == 'array' else '')


def class_lines(c):
    heritage = '' if c.ancestor in (c.name, 'TObject') else '(%s)' % c.ancestor
    lines = ['  %s = class%s' % (c.name, heritage)]
    members = all_members(c)
    # A form's components and handlers come first, in the section without a keyword.
    lead = [m for m in members if m.vis == 'published' and m.kind != 'prop']
    lines += section_lines(lead)
    for vis in ('private', 'protected', 'public', 'published', 'automated'):
        group = [m for m in members if m.vis == vis and m not in lead]
        if vis == 'published' and c.redeclared:
            group_lines = section_lines(group) + ['    property %s;' % n for n in c.redeclared]
        else:
            group_lines = section_lines(group)
        if group_lines:
            lines.append('  ' + vis)
            lines += group_lines
    lines.append('  end;')
    return lines


def section_lines(members):
    ordered = ([m for m in members if m.kind == 'field'] + [m for m in members if m.kind == 'method']
               + [m for m in members if m.kind == 'prop'])
    return conditional(ordered, lambda m: ['    ' + declaration(m)])


def conditional(members, render):
    """Renders members, wrapping runs that share a condition in {$IFDEF}...{$ENDIF}."""
    lines, open_cond = [], None
    for m in members:
        if m.cond != open_cond:
            if open_cond:
                lines.append('{$ENDIF}')
            if m.cond:
                lines.append('{$IFDEF %s}' % m.cond)
            open_cond = m.cond
        lines += render(m)
    if open_cond:
        lines.append('{$ENDIF}')
    return lines


# ---------------------------------------------------------------- bodies

class Pool:
    """What the plain bodies of a class may use: its own storage first, then what it inherits."""

    def __init__(self, table, c):
        self.c = c
        self.values = {BOOL: [], INT: [], STR: []}
        preferred = [w.upper() for w in c.body_words]
        found = []
        for owner in [c] + list(ancestors(c)):
            for m in owner.members:
                if m.kind == 'prop' and not m.index and not m.name.startswith('On'):
                    found.append((m.name, m.type, not m.readonly, owner is c))
                elif m.kind == 'field' and m.vis != 'private':
                    found.append((m.name, m.type, True, owner is c))
        for m in c.generated:
            if m.role in ('store', 'counter'):
                found.append((m.name, m.type, True, True))
        found.sort(key=lambda f: (f[0].upper() not in preferred, not f[3]))
        if preferred:
            found = [f for f in found if f[0].upper() in preferred] or found
        for name, type_name, writable, _ in found:
            cat = category(type_name)
            if cat and all(name != n for n, _ in self.values[cat]):
                self.values[cat].append((name, writable))
        self.calls = [m.name for m in c.members
                      if m.kind == 'method' and m.head == 'procedure' and not m.params
                      and m.role in ('plain', 'explicit') and not m.is_class]
        self.notify = has_notify(c)

    def get(self, cat, key, writable=False):
        options = [n for n, w in self.values[cat] if w or not writable]
        return pick(key, options[:4])

    def call(self, key, besides):
        return pick(key, [n for n in self.calls if n != besides])


def method_body(table, c, m, pool):
    key = c.name + '.' + m.name
    role = m.role
    if role == 'getter':
        return ['  Result := %s;' % m.target.field]
    if role == 'setter':
        return setter_body(table, m.target)
    if role == 'stored':
        return ['  Result := %s <> %s;' % (m.target.field, neutral(m.target.type))]
    if role == 'slotget':
        return ['  Result := %s[%s];' % (m.target.field, slot(m.target.index))]
    if role == 'slotset':
        at = slot(m.target.index)
        return ['  if %s[%s] <> Value then' % (m.target.field, at), '  begin',
                '    %s[%s] := Value;' % (m.target.field, at), '    %s;' % NOTIFY, '  end;']
    if role == 'signal':
        return ['  if Assigned(%s) then' % m.target.field, '    %s(Self);' % m.target.field]
    if role == 'notify':
        return ['  Inc(FChangeCount);']
    if role == 'message':
        return ['  // Every %s counts as a change of state.' % m.message, '  %s;' % NOTIFY, '  Msg.Result := 0;']
    if m.head == 'constructor':
        return constructor_body(table, c, m, pool)
    if m.head == 'destructor':
        return destructor_body(table, c, m, pool)
    if role == 'override' and not getattr(m, 'ancestor_abstract', False):
        args = ', '.join(n for n, _ in param_names(m.params))
        call = 'inherited %s%s' % (m.name, '(%s)' % args if args else '')
        if m.head == 'function':
            return ['  Result := %s;' % call]
        return ['  %s;' % call] + statement(pool, key, m.name)
    if m.head == 'function':
        return function_body(pool, key, m)
    return procedure_body(pool, key, m)


def slot(index):
    parts = []
    for name, type_name in index_params(index):
        parts.append(name if category(type_name) == INT else 'Length(%s)' % name)
    return '(%s) and %d' % (' + '.join(parts), SLOTS)


def setter_body(table, p):
    field = p.field
    if p.type in table.owned:
        return ['  %s.Assign(Value);' % field, '  %s;' % NOTIFY]
    return ['  if %s <> Value then' % field, '  begin', '    %s := Value;' % field,
            '    %s;' % NOTIFY, '  end;']


def inherited_create(c, m):
    owner, base = find_method(c, 'Create')
    if base is None:
        return None
    own = {n.upper() for n, _ in param_names(m.params)}
    args = [n if n.upper() in own else neutral(t) for n, t in param_names(base.params)]
    return 'inherited Create%s;' % ('(%s)' % ', '.join(args) if args else '')


def constructor_body(table, c, m, pool):
    lines = []
    call = inherited_create(c, m)
    if call:
        lines.append('  ' + call)
    for f in owned_fields(table, c):
        lines.append('  %s := %s.Create;' % (f.name, table.owned[f.type]))
    for f in defaults(c):
        lines.append('  %s := %s;' % (f.name, f.target.default))
    strings = [n for n, w in pool.values[STR] if n.startswith('F')]
    for name, type_name in param_names(m.params):
        if category(type_name) == STR and strings:
            lines.append('  %s := %s;' % (strings[0], name))
            break
    return lines or ['  // Nothing to set up before the first use.']


def destructor_body(table, c, m, pool):
    lines = ['  %s.Free;' % f.name for f in owned_fields(table, c)]
    if not lines and pool.get(INT, c.name, True):
        lines.append('  %s := 0;' % pool.get(INT, c.name, True))
    if c.parent is not None:
        lines.append('  inherited Destroy;')
    return lines or ['  // The root class keeps nothing that needs freeing.']


def statement(pool, key, besides):
    """One plain statement that puts the class's own state to use."""
    number = pool.get(INT, key, True)
    if number:
        return ['  %s := %s + 1;' % (number, number)]
    if pool.notify:
        return ['  %s;' % NOTIFY]
    return []


def procedure_body(pool, key, m):
    flag, number, text = pool.get(BOOL, key), pool.get(INT, key + '#', True), pool.get(STR, key, True)
    other = pool.call(key, m.name)
    choice = zlib.crc32(key.encode()) % 4
    for attempt in range(4):
        kind = (choice + attempt) % 4
        if kind == 0 and flag and number:
            lines = ['  if not %s then' % flag, '    Exit;', '  %s := %s + 1;' % (number, number)]
            return lines + (['  %s;' % NOTIFY] if pool.notify else [])
        if kind == 1 and number and other:
            return ['var', '  Pass: Integer;', 'begin', '  for Pass := 1 to %s do' % number,
                    '    %s;' % other]
        if kind == 2 and text:
            return ['  if %s = \'\' then' % text,
                    '    %s := ClassName + \'\'\'s %s\'' % (text, m.name.lower()),
                    '  else',
                    '    %s := Trim(%s);' % (text, text)]
        if kind == 3 and flag and other:
            writable = pool.get(BOOL, key, True)
            if writable:
                return ['  %s := not %s;' % (writable, writable), '  if %s then' % writable,
                        '    %s;' % other]
    if pool.notify:
        return ['  %s;' % NOTIFY]
    return ['  // A bare object keeps no state for %s to change.' % m.name]


def function_body(pool, key, m):
    flag, number, text = pool.get(BOOL, key), pool.get(INT, key), pool.get(STR, key)
    cat = category(m.type)
    second = zlib.crc32(key.encode()) % 2
    if cat == BOOL:
        if number and flag:
            return ['  Result := (%s > 0) and %s;' % (number, flag)]
        if text:
            return ['  Result := %s <> \'\';' % text]
        return ['  Result := %s;' % (flag or 'Self <> nil')]
    if cat == INT:
        if number and (second or not text):
            return ['  Result := %s * 2%s;' % (number, ' + Ord(%s)' % flag if flag else '')]
        if text:
            return ['  Result := Length(%s);' % text]
        return ['  Result := %s;' % ('0' if m.type != 'HResult' else 'S_OK')]
    if cat == STR:
        if text and number:
            return ['  Result := Format(\'%%s: %%d\', [%s, %s]);' % (text, number)]
        if text:
            return ['  Result := %s + \' (\' + ClassName + \')\';' % text]
        return ["  Result := '%s';" % key.split('.')[0]] if m.name == 'ClassName' else ['  Result := ClassName;']
    if m.type == 'TPoint':
        return ['  Result := Point(%s, %s);' % (number or '0', pool.get(INT, key + '.y') or '0')]
    if m.type == 'TRect':
        return ['  Result := Rect(0, 0, %s, %s);' % (number or '0', pool.get(INT, key + '.y') or '0')]
    return ['  Result := %s;' % ('nil' if m.type.startswith(('T', 'P', 'I')) else '0')]


def implementation_lines(table, c):
    methods = [m for m in all_members(c)
               if m.kind == 'method' and 'abstract' not in m.directive]
    if not methods:
        return []
    lines = ['', '{ %s }' % c.name]
    pool = Pool(table, c)

    def render(m):
        body = method_body(table, c, m, pool)
        text = ['', heading(m, c.name + '.')]
        if body and body[0] == 'var':
            return text + body + ['end;']
        return text + ['begin'] + body + ['end;']
    ordered = sorted(methods, key=lambda m: ('private', 'protected', 'public', 'published',
                                             'automated').index(m.vis))
    return lines + conditional(ordered, render)


# ---------------------------------------------------------------- units

def unit_text(table, u):
    lines = ['{ %s: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.' % u.name,
             '  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }',
             '', 'unit %s;' % u.name, '',
             '(* The declarations name the documented interface of the unit; everything',
             '   private, and every statement, is the sample\'s own. *)', '', 'interface', '']
    if u.uses:
        lines += ['uses %s;' % ', '.join(u.uses), '']
    lines += ['const', "  %sSample = 'Quillmap''s sample of %s';" % (u.name, u.name)]
    lines += ['  ' + text for text in u.consts] + ['']
    if u.classes or u.decls:
        lines.append('type')
        lines += ['  %s = class;' % name for name in u.forwards]
        if u.forwards:
            lines.append('')
        lines += ['  ' + text for text in u.decls]
        for c in u.classes:
            lines += [''] + class_lines(c)
        if u.classrefs:
            lines.append('')
            lines += ['  %s = class of %s;' % (ref, target) for ref, target in u.classrefs]
        lines.append('')
    lines += ['implementation', '']
    if u.impl_uses:
        lines += ['uses %s;' % ', '.join(u.impl_uses), '']
    lines.append('// Method bodies, class by class, in the order of the declarations above.')
    for c in u.classes:
        lines += implementation_lines(table, c)
    lines += ['', 'end.', '']
    return ('\r\n' if u.crlf else '\n').join(lines).encode('latin-1')


def write_tree(table_path, root):
    table = read_table(table_path)
    build(table)
    written = []
    for u in table.units:
        path = os.path.join(root, *u.path.split('/'))
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, 'wb') as out:
            out.write(unit_text(table, u))
        written.append(u.path)
    return written


def files_under(root):
    return sorted(os.path.relpath(os.path.join(d, f), root).replace(os.sep, '/')
                  for d, _, names in os.walk(root) for f in names)


def check(table_path, tree):
    """Compares tree with a fresh output of the table; returns the differences."""
    import tempfile
    with tempfile.TemporaryDirectory() as scratch:
        write_tree(table_path, scratch)
        expected, present = files_under(scratch), files_under(tree)
        problems = ['missing: ' + f for f in expected if f not in present]
        problems += ['not generated: ' + f for f in present if f not in expected]
        for f in expected:
            if f in present:
                with open(os.path.join(scratch, f), 'rb') as a, open(os.path.join(tree, f), 'rb') as b:
                    if a.read() != b.read():
                        problems.append('differs: ' + f)
    return problems


def main(argv):
    if len(argv) == 4 and argv[1] == '--check':
        problems = check(argv[2], argv[3])
        for line in problems:
            print(line)
        if problems:
            sys.exit('%s is not the output of %s: run scripts/make-sample.sh' % (argv[3], argv[2]))
        return
    if len(argv) != 3:
        sys.exit('usage: make_sample.py TABLE OUTDIR | make_sample.py --check TABLE TREE')
    write_tree(argv[1], argv[2])


if __name__ == '__main__':
    main(sys.argv)
